// Picking entities and selection sets. acedEntSel reads one pick: a point picks the entity of the
// current space nearest to it within PICKBOX drawing units, "L" the last entity, "#<hex>" an
// entity by handle; a miss answers RTERROR with ERRNO 7, Enter RTERROR with ERRNO 52, a keyword
// of acedInitGet RTKWORD, a cancel RTCAN. Selection sets hold main entities in the order chosen,
// without duplicates; at most 128 are open at once and each is freed with acedSSFree. An entity's
// ads_name is its id's old id; acdbGetObjectId turns it back.
#pragma once
#include "db/AcDbObjectId.h"
#include "rx/AcadErrorStatus.h"
#include "ut/AdsCodes.h"

int acedEntSel(const char* prompt, ads_name entres, ads_point ptres);
// str null: the "Select objects:" prompt (picks, W, C, L, P, ALL, R to remove, A to add, Enter to
// end). Otherwise a mode: "X" or "ALL" (every entity of the current space; filters are not
// applied), "L", "P", "W"/"C" with pt1 and pt2, "I" (nothing is preselected here). An empty
// result answers RTERROR, a cancel RTCAN, a 129th open set RTERROR.
int acedSSGet(const char* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
int acedSSFree(const ads_name sname);
int acedSSLength(const ads_name sname, long* len);
int acedSSName(const ads_name ss, long i, ads_name entres);
// eInvalidAdsName for a name that is not an entity's.
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName);
Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId);

namespace vthost {
constexpr int kMaxSelectionSets = 128;
int openSelectionSets();
}  // namespace vthost
