// The host's drawing commands: LINE, PLINE (straight and arc segments, Close, Undo), CIRCLE,
// TEXT. Each entity goes to the current space as soon as it is complete.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "ed/UserInput.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

double g_circleRadius = 1.0;

void lineCommand() {
    AcGePoint3d first, from, to;
    if (askPoint("\nSpecify first point: ", first) != RTNORM) return;
    from = first;
    std::vector<AcDbObjectId> segments;
    for (;;) {
        acedInitGet(0, segments.size() >= 2 ? "Close Undo" : "Undo");
        const char* prompt = segments.size() >= 2 ? "\nSpecify next point or [Close/Undo]: " : "\nSpecify next point or [Undo]: ";
        int status = askPoint(prompt, to, &from);
        if (status != RTNORM && status != RTKWORD) return;
        std::string option = status == RTKWORD ? keywordAnswer() : "";
        if (option == "Undo") {
            if (segments.empty()) { acutPrintf("\nAll segments already undone."); continue; }
            AcDbEntity* line = nullptr;
            if (acdbOpenObject(line, segments.back(), AcDb::kForWrite) == Acad::eOk) {
                AcDbLine* asLine = AcDbLine::cast(line);
                from = asLine->startPoint();
                line->erase();
                line->close();
            }
            segments.pop_back();
            setLastPoint(from);
            continue;
        }
        if (option == "Close") to = first;
        segments.push_back(addEntity(new AcDbLine(from, to)));
        from = to;
        setLastPoint(from);
        if (option == "Close") return;
    }
}

double angleOf(const AcGePoint3d& a, const AcGePoint3d& b) { return std::atan2(b.y - a.y, b.x - a.x); }

// The bulge of an arc that leaves a with the tangent direction and ends at b; the tangent at b
// comes back in tangent.
double tangentArcBulge(const AcGePoint3d& a, const AcGePoint3d& b, double& tangent) {
    double half = std::remainder(angleOf(a, b) - tangent, 2 * std::numbers::pi);
    tangent += 2 * half;
    return std::tan(half / 2);
}

struct PlineState {
    std::vector<AcGePoint3d> points;
    std::vector<double> bulges;
    std::vector<double> tangents;  // direction at each vertex on arrival
    bool arcMode = false;
    bool closed = false;
};

void addPlineVertex(PlineState& s, const AcGePoint3d& p) {
    double tangent = s.tangents.back();
    double bulge = 0.0;
    if (s.arcMode) bulge = tangentArcBulge(s.points.back(), p, tangent);
    else tangent = angleOf(s.points.back(), p);
    s.bulges.back() = bulge;
    s.points.push_back(p);
    s.bulges.push_back(0.0);
    s.tangents.push_back(tangent);
}

void finishPline(const PlineState& s) {
    if (s.points.size() < 2) return;
    auto* pline = new AcDbPolyline();
    for (std::size_t i = 0; i < s.points.size(); ++i)
        pline->addVertexAt(static_cast<unsigned>(i), AcGePoint2d(s.points[i].x, s.points[i].y), s.bulges[i]);
    pline->setClosed(s.closed);
    pline->setElevation(s.points.front().z);
    addEntity(pline);
}

// One answer in PLINE's loop; false when the command is over.
bool plineStep(PlineState& s) {
    acedInitGet(0, s.arcMode ? "Line Close Undo" : "Arc Close Undo");
    const char* prompt = s.arcMode ? "\nSpecify endpoint of arc or [Line/Close/Undo]: "
                                   : "\nSpecify next point or [Arc/Close/Undo]: ";
    AcGePoint3d p;
    int status = askPoint(prompt, p, &s.points.back());
    if (status == RTNORM) {
        addPlineVertex(s, p);
        setLastPoint(p);
        return true;
    }
    if (status != RTKWORD) {
        if (status == RTNONE) finishPline(s);
        return false;
    }
    std::string option = keywordAnswer();
    if (option == "Arc" || option == "Line") s.arcMode = option == "Arc";
    if (option == "Undo" && s.points.size() > 1) {
        s.points.pop_back(), s.bulges.pop_back(), s.tangents.pop_back();
        s.bulges.back() = 0.0;
    }
    if (option != "Close") return true;
    if (s.points.size() < 2) return acutPrintf("\nA closed polyline needs two points first."), true;
    double tangent = s.tangents.back();
    if (s.arcMode) s.bulges.back() = tangentArcBulge(s.points.back(), s.points.front(), tangent);
    s.closed = true;
    finishPline(s);
    return false;
}

void plineCommand() {
    PlineState s;
    AcGePoint3d start;
    if (askPoint("\nSpecify start point: ", start) != RTNORM) return;
    s.points.push_back(start);
    s.bulges.push_back(0.0);
    s.tangents.push_back(0.0);
    while (plineStep(s)) {
    }
}

void circleCommand() {
    AcGePoint3d center;
    if (askPoint("\nSpecify center point for circle: ", center) != RTNORM) return;
    double radius = g_circleRadius;
    std::string prompt = "\nSpecify radius of circle or [Diameter] <" + distanceText(radius) + ">: ";
    int status = askDistance(prompt, radius, &center, RSG_NOZERO | RSG_NONEG, "Diameter");
    if (status == RTKWORD) {
        double diameter = 2 * radius;
        status = askDistance("\nSpecify diameter of circle <" + distanceText(diameter) + ">: ", diameter, &center,
                             RSG_NOZERO | RSG_NONEG);
        radius = diameter / 2;
    }
    if (status != RTNORM) return;
    g_circleRadius = radius;
    addEntity(new AcDbCircle(center, radius));
}

double textSize() {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    const HeaderValue* value = db ? db->headerVariables().find("TEXTSIZE") : nullptr;
    const double* size = value ? std::get_if<double>(value) : nullptr;
    return size ? *size : 2.5;
}

void textCommand() {
    AcGePoint3d start;
    if (askPoint("\nSpecify start point of text: ", start) != RTNORM) return;
    double height = textSize();
    if (askDistance("\nSpecify height <" + distanceText(height) + ">: ", height, &start, RSG_NOZERO | RSG_NONEG) != RTNORM)
        return;
    double degrees = 0.0;
    if (askDistance("\nSpecify rotation angle of text <0>: ", degrees) != RTNORM) return;
    char text[132] = "";
    if (acedGetString(1, "\nEnter text: ", text) != RTNORM || text[0] == '\0') return;
    auto* entity = new AcDbText();
    entity->setPosition(start);
    entity->setHeight(height);
    entity->setRotation(degrees * std::numbers::pi / 180.0);
    entity->setTextString(text);
    addEntity(entity);
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    db->headerVariables().set("TEXTSIZE", height);
}

}  // namespace

void registerDrawCommands() {
    addHostCommand("LINE", lineCommand);
    addHostCommand("PLINE", plineCommand);
    addHostCommand("CIRCLE", circleCommand);
    addHostCommand("TEXT", textCommand);
}

}  // namespace vthost
