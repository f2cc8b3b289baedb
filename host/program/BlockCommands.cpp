// The host's block commands in their command-line forms: ATTDEF (an attribute definition in the
// current space: modes, tag, prompt, default value, start point, height, rotation), BLOCK (a block
// table record made of the selected entities, which leave the drawing; "?" lists the blocks) and
// INSERT (a block reference with scale factors and rotation, and an attribute for every attribute
// definition of the block, its value asked with the definition's prompt).
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "program/BlockNames.h"
#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/CurrentColor.h"
#include "ed/CurrentSpace.h"
#include "ed/UserInput.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ge/AcGeMatrix3d.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

AcDbDatabase* workingDrawing() { return acdbHostApplicationServices()->workingDatabase(); }

double degreesToRadians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// A real with a default shown in the prompt; Enter keeps value. RTNORM or what cancelled.
int askReal(const std::string& prompt, double& value, int flags = 0) {
    acedInitGet(flags, nullptr);
    double answer = value;
    int status = acedGetReal(prompt.c_str(), &answer);
    if (status == RTNORM) value = answer;
    return status == RTNONE ? RTNORM : status;
}

// "Yes" or "No" with No the default; false when cancelled.
bool askYesNo(const char* prompt, bool& yes) {
    acedInitGet(0, "Yes No");
    char answer[132] = "";
    int status = acedGetKword(prompt, answer);
    if (status != RTNORM && status != RTNONE) return false;
    yes = std::string(answer) == "Yes";
    return true;
}

// --- ATTDEF -------------------------------------------------------------------------------

struct AttributeModes {
    bool invisible = false;
    bool constant = false;
};

const char* yesNo(bool on) { return on ? "Y" : "N"; }

// Toggles modes until Enter; false when cancelled.
bool askModes(AttributeModes& modes) {
    for (;;) {
        acutPrintf("\nCurrent attribute modes: Invisible=%s Constant=%s", yesNo(modes.invisible), yesNo(modes.constant));
        acedInitGet(0, "Invisible Constant");
        char option[132] = "";
        int status = acedGetKword("\nEnter an option to change [Invisible/Constant] <done>: ", option);
        if (status == RTNONE) return true;
        if (status != RTNORM) return false;
        std::string chosen = option;
        if (chosen == "Invisible") modes.invisible = !modes.invisible;
        if (chosen == "Constant") modes.constant = !modes.constant;
    }
}

// A tag has no spaces and is not empty; it is kept in upper case, as the host keeps tags.
bool askTag(std::string& tag) {
    for (;;) {
        char typed[132] = "";
        if (acedGetString(0, "\nEnter attribute tag name: ", typed) != RTNORM) return false;
        tag = upperAscii(typed);
        if (!tag.empty()) return true;
        if (commandLine().reject("Invalid attribute tag: a tag needs at least one character and no spaces."))
            return false;
    }
}

bool askText(const char* prompt, std::string& text) {
    char typed[132] = "";
    if (acedGetString(1, prompt, typed) != RTNORM) return false;
    text = typed;
    return true;
}

double drawingTextSize() {
    AcDbDatabase* db = workingDrawing();
    const HeaderValue* value = db ? db->headerVariables().find("TEXTSIZE") : nullptr;
    const double* size = value ? std::get_if<double>(value) : nullptr;
    return size ? *size : 2.5;
}

void attdefCommand() {
    AttributeModes modes;
    std::string tag, prompt, value;
    if (!askModes(modes) || !askTag(tag)) return;
    if (modes.constant) {
        if (!askText("\nEnter attribute value: ", value)) return;
    } else if (!askText("\nEnter attribute prompt: ", prompt) || !askText("\nEnter default attribute value: ", value)) {
        return;
    }
    AcGePoint3d start;
    if (askPoint("\nSpecify start point of text: ", start) != RTNORM) return;
    double height = drawingTextSize();
    if (askDistance("\nSpecify height <" + distanceText(height) + ">: ", height, &start, RSG_NOZERO | RSG_NONEG) != RTNORM)
        return;
    double degrees = 0.0;
    if (askReal("\nSpecify rotation angle of text <0>: ", degrees) != RTNORM) return;
    auto* definition = new AcDbAttributeDefinition();
    definition->setPosition(start);
    definition->setHeight(height);
    definition->setRotation(degreesToRadians(degrees));
    definition->setTag(tag.c_str());
    definition->setPrompt(prompt.c_str());
    definition->setTextString(value.c_str());
    definition->setInvisible(modes.invisible);
    definition->setConstant(modes.constant);
    addEntity(definition);
    workingDrawing()->headerVariables().set("TEXTSIZE", height);
}

// --- BLOCK --------------------------------------------------------------------------------

// "Defined blocks." and the names of the user's blocks (not the layouts, not anonymous ones).
void listBlocks() {
    AcDbBlockTable* table = nullptr;
    if (workingDrawing()->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return;
    acutPrintf("\nDefined blocks.");
    int count = 0;
    for (const AcDbObjectId& id : table->recordIds()) {
        AcDbBlockTableRecord* record = nullptr;
        if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) continue;
        const char* name = "";
        record->getName(name);
        if (!record->isLayout() && !record->isAnonymous()) {
            acutPrintf("\n  \"%s\"", name);
            ++count;
        }
        record->close();
    }
    table->close();
    acutPrintf("\n%d user block%s.", count, count == 1 ? "" : "s");
}

// RTNORM with a valid name, RTKWORD for "?", or what cancelled. Invalid names are refused.
int askBlockName(const char* prompt, std::string& name) {
    for (;;) {
        char typed[300] = "";
        acedInitGet(0, "?");
        int status = acedGetString(0, prompt, typed);
        if (status != RTNORM) return status;
        if (std::string(typed) == "?") return RTKWORD;
        std::string problem = blockNameProblem(typed);
        if (problem.empty()) return name = typed, RTNORM;
        if (commandLine().reject(problem)) return RTCAN;
    }
}

AcDbObjectId blockNamed(const std::string& name) {
    AcDbBlockTable* table = nullptr;
    AcDbObjectId id;
    if (workingDrawing()->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return id;
    table->getAt(name.c_str(), id);
    table->close();
    return id;
}

// The block's record for write, emptied when it exists (a redefinition), new otherwise.
AcDbBlockTableRecord* recordToFill(const std::string& name, AcDbObjectId existing) {
    AcDbBlockTableRecord* record = nullptr;
    if (!existing.isNull()) {
        if (acdbOpenObject(record, existing, AcDb::kForWrite) != Acad::eOk) return nullptr;
        forEachEntity(record->entityIds(), AcDb::kForWrite, [](AcDbEntity* e) { e->erase(); });
        return record;
    }
    AcDbBlockTable* table = nullptr;
    if (workingDrawing()->getBlockTable(table, AcDb::kForWrite) != Acad::eOk) return nullptr;
    record = new AcDbBlockTableRecord();
    record->setName(name.c_str());
    if (table->add(record) != Acad::eOk) {
        delete record;
        record = nullptr;
    }
    table->close();
    return record;
}

void blockCommand() {
    std::string name;
    int status = askBlockName("\nEnter block name or [?]: ", name);
    if (status == RTKWORD) return listBlocks();
    if (status != RTNORM) return;
    AcDbObjectId existing = blockNamed(name);
    if (!existing.isNull()) {
        bool redefine = false;
        std::string question = "\nBlock \"" + name + "\" already exists. Redefine it? [Yes/No] <N>: ";
        if (!askYesNo(question.c_str(), redefine) || !redefine) return;
    }
    AcGePoint3d base;
    std::vector<AcDbObjectId> ids;
    if (askPoint("\nSpecify insertion base point: ", base) != RTNORM) return;
    if (!selectObjects(ids)) {
        acutPrintf("\nNothing selected: no block made.");
        return;
    }
    AcDbBlockTableRecord* record = recordToFill(name, existing);
    if (record == nullptr) return failCommand("The block could not be made.");
    // The block's entities keep their places relative to the base point, which is its origin.
    AcGeMatrix3d toBlock = AcGeMatrix3d::translation(AcGePoint3d::kOrigin - base);
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) {
        if (!appendCopy(record, e, toBlock).isNull()) e->erase();
    });
    record->close();
    acutPrintf("\nBlock \"%s\" %s.", name.c_str(), existing.isNull() ? "defined" : "redefined");
}

// --- INSERT -------------------------------------------------------------------------------

std::string& lastInsertedName() {
    static std::string name;
    return name;
}

struct AttributeAnswer {
    AcDbObjectId definition;
    std::string value;
};

// The block's attribute definitions that make attributes (constant ones do not), in order.
std::vector<AcDbObjectId> variableDefinitions(AcDbObjectId block) {
    std::vector<AcDbObjectId> definitions;
    AcDbBlockTableRecord* record = nullptr;
    if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk) return definitions;
    for (const AcDbObjectId& id : record->entityIds()) {
        AcDbAttributeDefinition* definition = nullptr;
        if (acdbOpenObject(definition, id, AcDb::kForRead) != Acad::eOk) continue;
        if (!definition->isConstant()) definitions.push_back(id);
        definition->close();
    }
    record->close();
    return definitions;
}

// Asks each definition's prompt (its tag when it has none) with its default; false when cancelled.
bool askAttributeValues(AcDbObjectId block, std::vector<AttributeAnswer>& answers) {
    std::vector<AcDbObjectId> definitions = variableDefinitions(block);
    if (!definitions.empty()) acutPrintf("\nEnter attribute values");
    for (const AcDbObjectId& id : definitions) {
        AcDbAttributeDefinition* definition = nullptr;
        if (acdbOpenObject(definition, id, AcDb::kForRead) != Acad::eOk) continue;
        char* prompt = definition->prompt();
        char* tag = definition->tag();
        char* fallback = definition->textString();
        std::string question = "\n" + std::string(prompt && *prompt ? prompt : tag) +
                               (*fallback ? std::string(" <") + fallback + ">: " : ": ");
        std::string value = fallback;
        acutDelString(prompt), acutDelString(tag), acutDelString(fallback);
        definition->close();
        char typed[132] = "";
        if (acedGetString(1, question.c_str(), typed) != RTNORM) return false;
        if (typed[0] != '\0') value = typed;
        answers.push_back({id, value});
    }
    return true;
}

struct Placement {
    AcGePoint3d point;
    double xScale = 1.0, yScale = 1.0, degrees = 0.0;
};

bool askPlacement(Placement& at) {
    if (askPoint("\nSpecify insertion point: ", at.point) != RTNORM) return false;
    if (askReal("\nEnter X scale factor <1>: ", at.xScale, RSG_NOZERO) != RTNORM) return false;
    at.yScale = at.xScale;
    if (askReal("\nEnter Y scale factor <use X scale factor>: ", at.yScale, RSG_NOZERO) != RTNORM) return false;
    return askReal("\nSpecify rotation angle <0>: ", at.degrees) == RTNORM;
}

// Each answer becomes an attribute placed from its definition by the reference's transform.
void appendAttributes(AcDbBlockReference* reference, const std::vector<AttributeAnswer>& answers) {
    AcGeMatrix3d blockTransform = reference->blockTransform();
    for (const AttributeAnswer& answer : answers) {
        AcDbAttributeDefinition* definition = nullptr;
        if (acdbOpenObject(definition, answer.definition, AcDb::kForRead) != Acad::eOk) continue;
        auto* attribute = new AcDbAttribute();
        attribute->setAttributeFromBlock(definition, blockTransform);
        definition->close();
        attribute->setTextString(answer.value.c_str());
        if (reference->appendAttribute(attribute) == Acad::eOk) attribute->close();
        else delete attribute;
    }
}

void insertReference(AcDbObjectId block, const Placement& at, const std::vector<AttributeAnswer>& answers) {
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return;
    auto* reference = new AcDbBlockReference(at.point, block);
    reference->setScaleFactors(AcGeScale3d(at.xScale, at.yScale, at.xScale));
    reference->setRotation(degreesToRadians(at.degrees));
    reference->setColorIndex(currentColorIndex(), false);
    if (space->appendAcDbEntity(reference) == Acad::eOk) {
        appendAttributes(reference, answers);
        reference->close();
    } else {
        delete reference;
    }
    space->close();
}

// The name of a block that exists, or "?" handled; RTNORM with the block's id.
int askExistingBlock(AcDbObjectId& block) {
    for (;;) {
        std::string last = lastInsertedName();
        std::string prompt = "\nEnter block name or [?]" + (last.empty() ? "" : " <" + last + ">") + ": ";
        char typed[300] = "";
        acedInitGet(0, "?");
        int status = acedGetString(0, prompt.c_str(), typed);
        if (status != RTNORM) return status;
        std::string name = typed[0] == '\0' ? last : typed;
        if (name == "?") {
            listBlocks();
            continue;
        }
        block = name.empty() || !blockNameProblem(name).empty() ? AcDbObjectId() : blockNamed(name);
        AcDbBlockTableRecord* record = nullptr;
        bool insertable = false;
        if (!block.isNull() && acdbOpenObject(record, block, AcDb::kForRead) == Acad::eOk) {
            insertable = !record->isLayout();
            record->close();
        }
        if (insertable) return lastInsertedName() = name, RTNORM;
        if (commandLine().reject("Block \"" + name + "\" not found.")) return RTCAN;
    }
}

void insertCommand() {
    AcDbObjectId block;
    Placement at;
    std::vector<AttributeAnswer> answers;
    if (askExistingBlock(block) != RTNORM || !askPlacement(at) || !askAttributeValues(block, answers)) return;
    insertReference(block, at, answers);
}

}  // namespace

void registerBlockCommands() {
    addHostCommand("ATTDEF", attdefCommand);
    addHostCommand("BLOCK", blockCommand);
    addHostCommand("INSERT", insertCommand);
}

}  // namespace vthost
