// ADS result codes, result-buffer type codes and the resbuf/ads_name value types of the editor API.
#pragma once

constexpr int RTNONE = 5000;
constexpr int RTREAL = 5001;
constexpr int RTPOINT = 5002;
constexpr int RTSHORT = 5003;
constexpr int RTANG = 5004;
constexpr int RTSTR = 5005;
constexpr int RTENAME = 5006;
constexpr int RTPICKS = 5007;
constexpr int RTORINT = 5008;
constexpr int RT3DPOINT = 5009;
constexpr int RTLONG = 5010;
constexpr int RTVOID = 5014;
constexpr int RTLB = 5016;
constexpr int RTLE = 5017;
constexpr int RTDOTE = 5018;
constexpr int RTNIL = 5019;
constexpr int RTDXF0 = 5020;
constexpr int RTT = 5021;
constexpr int RTRESBUF = 5023;
constexpr int RTNORM = 5100;
constexpr int RTERROR = -5001;
constexpr int RTCAN = -5002;
constexpr int RTREJ = -5003;
constexpr int RTFAIL = -5004;
constexpr int RTKWORD = -5005;
constexpr int RTINPUTTRUNCATED = -5008;
constexpr int RSRSLT = 1;
constexpr int RSERR = 3;

constexpr int RSG_NONULL = 0x01;
constexpr int RSG_NOZERO = 0x02;
constexpr int RSG_NONEG = 0x04;
constexpr int RSG_NOLIM = 0x08;
constexpr int RSG_GETZ = 0x10;
constexpr int RSG_DASH = 0x20;
constexpr int RSG_2D = 0x40;
constexpr int RSG_OTHER = 0x80;

using ads_real = double;
using ads_point = ads_real[3];
using ads_name = long[2];

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    char* rstring;
    long rlname[2];
    long rlong;
    ads_binary rbinary;
    unsigned char ihandle[8];
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};
