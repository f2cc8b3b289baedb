// The host's IMAGEATTACH command in its command-line form: an image file's name, the insertion
// point (the image's lower-left corner), a scale factor and a rotation. The stand-in reads no
// pixels: the image is one unit square before scaling, and the file need not exist; its name is
// recorded on the image entity.
#include <cmath>
#include <numbers>
#include <string>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ed/CommandLine.h"
#include "ed/UserInput.h"
#include "ent/AcDbRasterImage.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// A name with at least one character other than a space; false when cancelled.
bool askImageFileName(std::string& name) {
    for (;;) {
        char typed[300] = "";
        if (acedGetString(1, "\nEnter image file name: ", typed) != RTNORM) return false;
        name = typed;
        if (name.find_first_not_of(' ') != std::string::npos) return true;
        if (commandLine().reject("An image file name is needed.")) return false;
    }
}

void imageattachCommand() {
    std::string name;
    if (!askImageFileName(name)) return;
    AcGePoint3d corner;
    int status = askPoint("\nSpecify insertion point <0,0>: ", corner);
    if (status == RTNONE) corner = AcGePoint3d::kOrigin;
    else if (status != RTNORM) return;
    acutPrintf("\nBase image size: Width: 1, Height: 1, Unitless");
    double scale = 1.0;
    if (askDistance("\nSpecify scale factor <1>: ", scale, &corner, RSG_NOZERO | RSG_NONEG) != RTNORM) return;
    double degrees = 0.0;
    acedInitGet(0, nullptr);
    status = acedGetReal("\nSpecify rotation angle <0>: ", &degrees);
    if (status != RTNORM && status != RTNONE) return;
    double radians = status == RTNONE ? 0.0 : degrees * std::numbers::pi / 180.0;
    AcGeVector3d u(scale * std::cos(radians), scale * std::sin(radians), 0.0);
    AcGeVector3d v(-scale * std::sin(radians), scale * std::cos(radians), 0.0);
    auto* image = new AcDbRasterImage();
    image->setOrientation(corner, u, v);
    image->setSourceFileName(name.c_str());
    addEntity(image);
}

}  // namespace

void registerImageCommands() { addHostCommand("IMAGEATTACH", imageattachCommand); }

}  // namespace vthost
