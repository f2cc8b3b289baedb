// The host's inquiry commands: LIST (every property of the picked entities in the drawing's
// units), ID, AREA (points or an Object), SETVAR (and a variable's name typed as a command), HELP.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "ed/AcEdCommandStack.h"
#include "ed/CommandRunner.h"
#include "ed/InputParser.h"
#include "ed/Selection.h"
#include "ed/SystemVariables.h"
#include "ed/UserInput.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbText.h"
#include "rx/AcRxClass.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

void printLine(const std::string& label, const std::string& value) {
    acutPrintf("\n  %-14s%s", label.c_str(), value.c_str());
}

std::string ownedText(char* text) {
    std::string value = text ? text : "";
    acutDelString(text);
    return value;
}

void listHeader(AcDbEntity* entity) {
    const char* dxf = entity->isA() && entity->isA()->dxfName() ? entity->isA()->dxfName() : entity->isA()->name();
    AcDbDatabase* db = entity->database();
    const char* space = db && entity->ownerId() == db->paperSpaceId() ? "Paper space" : "Model space";
    char handle[16];
    std::snprintf(handle, sizeof handle, "%X", entity->objectId().rawHandle());
    acutPrintf("\n%s  Layer: \"%s\"  Space: %s  Handle = %s", dxf, ownedText(entity->layer()).c_str(), space, handle);
    unsigned color = entity->colorIndex();
    printLine("color", color == 256 ? "BYLAYER" : color == 0 ? "BYBLOCK" : std::to_string(color));
}

std::string degreesText(double radians) {
    return std::to_string(std::lround(radians * 180 / std::numbers::pi)) + " degrees";
}

void listCurve(AcDbCurve* curve) {
    double start = 0, end = 0, length = 0, area = 0;
    bool hasLength = curve->getStartParam(start) == Acad::eOk && curve->getEndParam(end) == Acad::eOk &&
                     curve->getDistAtParam(end, length) == Acad::eOk;
    bool hasArea = curve->getArea(area) == Acad::eOk;
    if (auto* circle = AcDbCircle::cast(curve)) {
        printLine("center point", pointText(circle->center()));
        printLine("radius", distanceText(circle->radius()));
        if (hasLength) printLine("circumference", distanceText(length));
    } else if (auto* line = AcDbLine::cast(curve)) {
        printLine("from point", pointText(line->startPoint()));
        printLine("to point", pointText(line->endPoint()));
        if (hasLength) printLine("length", distanceText(length));
    } else if (auto* pline = AcDbPolyline::cast(curve)) {
        printLine(pline->isClosed() ? "closed" : "open", std::to_string(pline->numVerts()) + " vertices");
        for (unsigned i = 0; i < pline->numVerts(); ++i) {
            AcGePoint3d p;
            double bulge = 0;
            pline->getPointAt(i, p);
            pline->getBulgeAt(i, bulge);
            printLine("at point", pointText(p) + (bulge != 0 ? "  bulge " + distanceText(bulge) : ""));
        }
        if (hasLength) printLine(pline->isClosed() ? "perimeter" : "length", distanceText(length));
    } else if (auto* arc = AcDbArc::cast(curve)) {
        printLine("center point", pointText(arc->center()));
        printLine("radius", distanceText(arc->radius()));
        printLine("start angle", degreesText(arc->startAngle()));
        printLine("end angle", degreesText(arc->endAngle()));
        if (hasLength) printLine("length", distanceText(length));
    } else if (hasLength) {
        printLine("length", distanceText(length));
    }
    if (hasArea && (curve->isClosed() || AcDbPolyline::cast(curve))) printLine("area", distanceText(area));
}

// The tag and flags of an attribute or attribute definition (before its text lines).
void listAttributeFields(AcDbText* text) {
    if (auto* attribute = AcDbAttribute::cast(text)) {
        printLine("tag", ownedText(attribute->tag()));
        if (attribute->isInvisible()) printLine("flags", "invisible");
    } else if (auto* definition = AcDbAttributeDefinition::cast(text)) {
        printLine("tag", ownedText(definition->tag()));
        printLine("prompt", "\"" + ownedText(definition->prompt()) + "\"");
        std::string flags = definition->isInvisible() ? "invisible" : "";
        if (definition->isConstant()) flags += flags.empty() ? "constant" : " constant";
        if (!flags.empty()) printLine("flags", flags);
    }
}

void listEntity(AcDbEntity* entity);

void listBlockReference(AcDbBlockReference* reference) {
    AcDbBlockTableRecord* block = nullptr;
    std::string name = "?";
    if (acdbOpenObject(block, reference->blockTableRecord(), AcDb::kForRead) == Acad::eOk) {
        const char* blockName = "";
        block->getName(blockName);
        name = blockName;
        block->close();
    }
    printLine("block name", "\"" + name + "\"");
    printLine("at point", pointText(reference->position()));
    AcGeScale3d scale = reference->scaleFactors();
    printLine("X scale", distanceText(scale.sx));
    printLine("Y scale", distanceText(scale.sy));
    printLine("rotation", degreesText(reference->rotation()));
    AcDbObjectIterator* it = reference->attributeIterator();
    for (it->start(); !it->done(); it->step()) {
        AcDbAttribute* attribute = nullptr;
        if (reference->openAttribute(attribute, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
        listEntity(attribute);
        attribute->close();
    }
    delete it;
}

void listImage(AcDbRasterImage* image) {
    AcGePoint3d origin;
    AcGeVector3d u, v;
    image->getOrientation(origin, u, v);
    printLine("image file", std::string("\"") + image->sourceFileName() + "\"");
    printLine("at point", pointText(origin));
    printLine("width", distanceText(u.length()));
    printLine("height", distanceText(v.length()));
    printLine("rotation", degreesText(std::atan2(u.y, u.x)));
}

void listEntity(AcDbEntity* entity) {
    listHeader(entity);
    if (auto* curve = AcDbCurve::cast(entity)) return listCurve(curve);
    if (auto* text = AcDbText::cast(entity)) {
        listAttributeFields(text);
        printLine("text", "\"" + ownedText(text->textString()) + "\"");
        printLine("position", pointText(text->position()));
        printLine("height", distanceText(text->height()));
        printLine("rotation", degreesText(text->rotation()));
    } else if (auto* mtext = AcDbMText::cast(entity)) {
        printLine("contents", "\"" + ownedText(mtext->contents()) + "\"");
        printLine("location", pointText(mtext->location()));
    } else if (auto* reference = AcDbBlockReference::cast(entity)) {
        listBlockReference(reference);
    } else if (auto* image = AcDbRasterImage::cast(entity)) {
        listImage(image);
    } else if (auto* region = AcDbRegion::cast(entity)) {
        double area = 0, perimeter = 0;
        if (region->getArea(area) == Acad::eOk) printLine("area", distanceText(area));
        if (region->getPerimeter(perimeter) == Acad::eOk) printLine("perimeter", distanceText(perimeter));
    }
}

void listCommand() {
    std::vector<AcDbObjectId> ids;
    if (!selectObjects(ids)) return;
    forEachEntity(ids, AcDb::kForRead, listEntity);
}

void idCommand() {
    AcGePoint3d p;
    if (askPoint("\nSpecify point: ", p) == RTNORM)
        acutPrintf("\nX = %s     Y = %s     Z = %s", distanceText(p.x).c_str(), distanceText(p.y).c_str(),
                   distanceText(p.z).c_str());
}

void areaOfObject() {
    ads_name name;
    ads_point at;
    AcDbObjectId id;
    int status = acedEntSel("\nSelect objects: ", name, at);
    if (status == RTCAN) return;
    if (status != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) return failCommand("Nothing found there.");
    AcDbCurve* curve = nullptr;
    if (acdbOpenObject(curve, id, AcDb::kForRead) != Acad::eOk)
        return failCommand("The selected object has no area.");
    double start = 0, end = 0, length = 0, area = 0;
    curve->getArea(area);
    curve->getStartParam(start), curve->getEndParam(end), curve->getDistAtParam(end, length);
    const char* what = AcDbCircle::cast(curve) ? "Circumference" : curve->isClosed() ? "Perimeter" : "Length";
    curve->close();
    acutPrintf("\nArea = %s, %s = %s", distanceText(area).c_str(), what, distanceText(length).c_str());
}

void areaCommand() {
    acedInitGet(0, "Object");
    AcGePoint3d first;
    int status = askPoint("\nSpecify first corner point or [Object]: ", first);
    if (status == RTKWORD) return areaOfObject();
    if (status != RTNORM) return;
    std::vector<AcGePoint3d> points{first};
    AcGePoint3d next;
    while ((status = askPoint("\nSpecify next corner point or press ENTER for total: ", next, &points.back())) == RTNORM)
        points.push_back(next);
    if (status != RTNONE) return;
    double twice = 0, perimeter = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const AcGePoint3d& a = points[i];
        const AcGePoint3d& b = points[(i + 1) % points.size()];
        twice += a.x * b.y - b.x * a.y;
        perimeter += a.distanceTo(b);
    }
    acutPrintf("\nArea = %s, Perimeter = %s", distanceText(std::fabs(twice) / 2).c_str(), distanceText(perimeter).c_str());
}

std::string valueText(const resbuf& value) {
    switch (value.restype) {
        case RTSHORT: return std::to_string(value.resval.rint);
        case RTREAL: {
            char text[64];
            std::snprintf(text, sizeof text, "%.6g", value.resval.rreal);
            return text;
        }
        case RTSTR: return std::string("\"") + (value.resval.rstring ? value.resval.rstring : "") + "\"";
        default: return pointText(AcGePoint3d(value.resval.rpoint[0], value.resval.rpoint[1], value.resval.rpoint[2]));
    }
}

// Reads a new value of the variable's type; false when the text is not one.
bool parseValue(const std::string& text, short type, resbuf& value) {
    value.restype = type;
    int number = 0;
    AcGePoint3d p;
    if (type == RTSHORT && parseInteger(text, number)) return value.resval.rint = static_cast<short>(number), true;
    if (type == RTREAL) return parseReal(text, value.resval.rreal);
    if (type == RTSTR) return value.resval.rstring = const_cast<char*>(text.c_str()), true;
    if (type == RT3DPOINT && parsePoint(text, nullptr, p))
        return value.resval.rpoint[0] = p.x, value.resval.rpoint[1] = p.y, value.resval.rpoint[2] = p.z, true;
    return false;
}

void listVariables() {
    for (const std::string& name : variableNames()) {
        resbuf value{};
        if (acedGetVar(name.c_str(), &value) != RTNORM) continue;
        acutPrintf("\n%-12s%s", name.c_str(), valueText(value).c_str());
        if (value.restype == RTSTR) std::free(value.resval.rstring);
    }
}

void setvarCommand() {
    char name[132] = "";
    acedInitGet(0, "?");
    int status = acedGetString(0, "\nEnter variable name or [?]: ", name);
    if (status != RTNORM || name[0] == '\0') return;
    if (std::string(name) == "?") return listVariables();
    resbuf current{};
    if (acedGetVar(name, &current) != RTNORM) {
        return failCommand(std::string("Unknown variable name ") + name + ".");
    }
    std::string shown = valueText(current);
    if (current.restype == RTSTR) std::free(current.resval.rstring);
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    std::string prompt = "\nEnter new value for " + upper + " <" + shown + ">: ";
    char text[132] = "";
    if (acedGetString(current.restype == RTSTR, prompt.c_str(), text) != RTNORM || text[0] == '\0') return;
    resbuf value{};
    if (!parseValue(text, current.restype, value) || acedSetVar(name, &value) != RTNORM) {
        return failCommand("Invalid value for " + upper + ".");
    }
}

void helpCommand() {
    std::vector<std::string> names;
    for (const AcEdCommand* command : acedRegCmds->commands()) names.push_back(command->globalName());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    acutPrintf("\nCommands:");
    for (std::size_t i = 0; i < names.size(); ++i) acutPrintf("%s%s", i % 8 == 0 ? "\n  " : " ", names[i].c_str());
    acutPrintf("\nType a system variable's name to see or change it; SETVAR ? lists them all.");
}

}  // namespace

void registerInquiryCommands() {
    addHostCommand("LIST", listCommand);
    addHostCommand("ID", idCommand);
    addHostCommand("AREA", areaCommand);
    addHostCommand("SETVAR", setvarCommand, true);
    addHostCommand("HELP", helpCommand, true);
}

}  // namespace vthost
