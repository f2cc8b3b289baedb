// Running commands from code and reporting errors. acedCommand takes (type, value) pairs ended by
// 0 or RTNONE: RTSTR with a const char*, RTSHORT with an int, RTREAL/RTANG with a double,
// RTPOINT/RT3DPOINT with an ads_point, RTENAME with an ads_name; "" is Enter. The first value
// names the command, the rest answer its prompts in order; answers that run out at a prompt cancel
// the command. It runs synchronously and answers RTNORM, RTCAN (cancelled) or RTERROR (unknown
// command, bad arguments, called from a reactor). CMDECHO 0 keeps its prompts off the command line.
#pragma once
#include "ut/AdsCodes.h"

int acedCommand(int rtype, ...);
int acedCmd(const resbuf* rbp);
// Prints "Application ERROR: " and the message on the command line; answers RTNORM.
int acdbFail(const char* msg);
