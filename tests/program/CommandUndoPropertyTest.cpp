// A property of the host's undo: whatever valid commands a user types on a linked drawing, UNDO
// back to the start gives the drawing that was there (the same saved bytes), and REDO then gives
// the drawing the commands had made. The commands are random but seeded, so a failure names the
// seed and the command and can be run again. Each run types a few thousand commands through the
// command line, exactly as vthost runs them, with vantorell.dbx keeping the labels up to date.
//
// The saved bytes are compared with the handle seed masked out: undo does not hand handles out a
// second time (an undone object keeps its handle while REDO may bring it back), so the next free
// handle only ever grows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/DocumentState.h"
#include "db/AcDbSymbolTable.h"
#include "db/DrawingFile.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "program/HostCommands.h"
#include "readers/PropertyReaders.h"
#include "modifiers/ContentModifiers.h"

namespace {

using vthost::commandLine;
using vthost::CommandOutcome;

// Where the handle seed sits in a saved drawing: after the magic, the version item and the length
// item, behind its own tag; the file ends with the CRC over everything before it.
constexpr std::size_t kHandseedOffset = vthost::kFrameHeadSize + 1;
constexpr std::size_t kCrcSize = 4;

std::vector<std::uint8_t> savedBytes(AcDbDatabase& db) {
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(vthost::saveDwgBytes(db, bytes), Acad::eOk);
    if (bytes.size() < kHandseedOffset + 4 + kCrcSize) return bytes;
    std::fill_n(bytes.begin() + kHandseedOffset, 4, 0);
    std::fill_n(bytes.end() - kCrcSize, kCrcSize, 0);
    return bytes;
}

std::string handleText(AcDbObjectId id) {
    char text[16];
    std::snprintf(text, sizeof text, "#%X", id.rawHandle());
    return text;
}

// The entities a random command may name: every live one, and the texts among them.
struct LiveEntities {
    std::vector<AcDbObjectId> all;
    std::vector<AcDbObjectId> texts;

    void add(AcDbObjectId id, bool isText) {
        all.push_back(id);
        if (isText) texts.push_back(id);
    }
    void remove(AcDbObjectId id) {
        std::erase(all, id);
        std::erase(texts, id);
    }
};

bool isText(AcDbObjectId id) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return false;
    bool text = AcDbText::cast(entity) != nullptr;
    entity->close();
    return text;
}

// The ids of model space, read in place (no copy, no entity opened).
template <class Use>
void withModelSpaceIds(AcDbDatabase& db, Use use) {
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, db.modelSpaceId(), AcDb::kForRead) != Acad::eOk) return;
    use(space->entityIds());
    space->close();
}

// The live entities of model space; texts are known by the ids they were made under.
LiveEntities scanModelSpace(AcDbDatabase& db, const std::set<AcDbObjectId>& texts) {
    LiveEntities live;
    withModelSpaceIds(db, [&](const std::vector<AcDbObjectId>& ids) {
        for (AcDbObjectId id : ids)
            if (!id.isErased()) live.add(id, texts.count(id) > 0);
    });
    return live;
}

std::set<AcDbObjectId> textsOf(AcDbDatabase& db) {
    std::set<AcDbObjectId> texts;
    withModelSpaceIds(db, [&](const std::vector<AcDbObjectId>& ids) {
        for (AcDbObjectId id : ids)
            if (isText(id)) texts.insert(id);
    });
    return texts;
}

AcDbObjectId lastEntity(AcDbDatabase& db) {
    AcDbObjectId last;
    withModelSpaceIds(db, [&](const std::vector<AcDbObjectId>& ids) {
        if (!ids.empty()) last = ids.back();
    });
    return last;
}

AcDbObjectId addText(AcDbDatabase& db, double x, double y, const char* contents) {
    auto* text = new AcDbText();
    text->setPosition(AcGePoint3d(x, y, 0));
    text->setHeight(1);
    text->setTextString(contents);
    return vtsample::addToModelSpace(db, text);
}

AcDbObjectId addRoom(AcDbDatabase& db, double x, double y, double w, double h) {
    auto* room = new AcDbPolyline();
    room->addVertexAt(0, AcGePoint2d(x, y));
    room->addVertexAt(1, AcGePoint2d(x + w, y));
    room->addVertexAt(2, AcGePoint2d(x + w, y + h));
    room->addVertexAt(3, AcGePoint2d(x, y + h));
    room->setClosed(true);
    return vtsample::addToModelSpace(db, room);
}

// Typing commands on the current drawing, with a generator that knows what is there.
class RandomSession {
public:
    RandomSession(AcDbDatabase& db, unsigned seed, vthost::test::OutputCapture& output)
        : m_db(db), m_random(seed), m_texts(textsOf(db)), m_live(scanModelSpace(db, m_texts)), m_output(output) {}

    // Types one random valid command; false (with the reason in failure) when it did not end.
    bool typeOne(std::string& failure) {
        std::string name = pickCommand();
        std::vector<std::string> answers = answersFor(name);
        for (const std::string& line : answers) commandLine().queue(line);
        CommandOutcome outcome = vthost::runCommand(name);
        m_output.take();
        // A crossing window that caught nothing ends STRETCH before its displacement is asked.
        if (name == "STRETCH") commandLine().reset();
        if (outcome != CommandOutcome::kEnded) {
            failure = name;
            for (const std::string& line : answers) failure += " | " + line;
            return false;
        }
        afterCommand(name);
        return true;
    }

private:
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    std::string point() { return std::to_string(number(0, 200)) + "," + std::to_string(number(0, 200)); }
    std::string displacement() { return std::to_string(number(-9, 9)) + "," + std::to_string(number(-9, 9)); }
    AcDbObjectId anyOf(const std::vector<AcDbObjectId>& ids) {
        return ids[static_cast<std::size_t>(number(0, static_cast<int>(ids.size()) - 1))];
    }

    std::string pickCommand() {
        static const char* const kCommands[] = {"CIRCLE", "LINE", "TEXT", "MOVE", "MOVE",
                                                "COPY", "ERASE", "STRETCH", "DDEDIT", "DDEDIT",
                                                "ROTATE", "SCALE", "CHPROP", "U", "REDO",
                                                "MIRROR", "COLOR"};
        std::string name = kCommands[number(0, static_cast<int>(std::size(kCommands)) - 1)];
        bool needsEntity = name == "MOVE" || name == "COPY" || name == "ERASE" || name == "ROTATE" ||
                           name == "SCALE" || name == "CHPROP" || name == "MIRROR";
        if ((needsEntity && m_live.all.empty()) || (name == "DDEDIT" && m_live.texts.empty()))
            return "CIRCLE";
        if (name == "REDO" && !m_justUndone) return "LINE";
        return name;
    }

    std::vector<std::string> answersFor(const std::string& name) {
        if (name == "CIRCLE") return {point(), std::to_string(number(1, 6))};
        if (name == "LINE") return {point(), point(), ""};
        if (name == "TEXT") return {point(), "1", "0", "Note " + std::to_string(number(1, 99))};
        if (name == "MOVE" || name == "COPY") return {handleText(chosen()), "", "0,0", displacement()};
        if (name == "ERASE") return {handleText(chosen()), ""};
        if (name == "ROTATE") return {handleText(chosen()), "", point(), std::to_string(number(-180, 180))};
        if (name == "SCALE") return {handleText(chosen()), "", point(), number(0, 1) ? "2" : "0.5"};
        if (name == "CHPROP") return {handleText(chosen()), "", "C", std::to_string(number(0, 256)), "LA", "L" + std::to_string(number(1, 9)), ""};
        if (name == "MIRROR") {
            m_mirrorErases = number(0, 1) == 1;
            int x = number(0, 200), y = number(0, 200);
            std::string second = std::to_string(x + number(1, 9)) + "," + std::to_string(y + number(-9, 9));
            return {handleText(chosen()), "", std::to_string(x) + "," + std::to_string(y), second,
                    m_mirrorErases ? "Yes" : ""};
        }
        if (name == "COLOR") {
            static const char* const kColors[] = {"red", "BYBLOCK", "bylayer", "42", "255"};
            return {kColors[number(0, 4)]};
        }
        if (name == "STRETCH") return {point(), point(), "0,0", displacement()};
        if (name == "DDEDIT") return {handleText(m_chosen = anyOf(m_live.texts)), "Room " + std::to_string(number(1, 999)), ""};
        return {};
    }
    AcDbObjectId chosen() { return m_chosen = anyOf(m_live.all); }

    void afterCommand(const std::string& name) {
        m_justUndone = name == "U";
        if (name == "U" || name == "REDO") {
            m_live = scanModelSpace(m_db, m_texts);
        } else if (name == "ERASE") {
            m_live.remove(m_chosen);
        } else if (name == "CIRCLE" || name == "LINE" || name == "COPY" || name == "TEXT" ||
                   (name == "MIRROR" && !m_mirrorErases)) {
            AcDbObjectId made = lastEntity(m_db);
            bool copied = name == "COPY" || name == "MIRROR";
            bool text = name == "TEXT" || (copied && m_texts.count(m_chosen) > 0);
            if (text) m_texts.insert(made);
            m_live.add(made, text);
        }
    }

    AcDbDatabase& m_db;
    std::mt19937 m_random;
    std::set<AcDbObjectId> m_texts;  // every text made, live or not
    LiveEntities m_live;
    AcDbObjectId m_chosen;
    bool m_justUndone = false;
    bool m_mirrorErases = false;
    vthost::test::OutputCapture& m_output;
};

// A drawing of rooms and columns whose labels show their areas, perimeters, X and names.
void buildLinkedDrawing(AcDbDatabase& db, unsigned seed) {
    std::mt19937 random(seed);
    auto coordinate = [&] { return std::uniform_int_distribution<int>(0, 180)(random); };
    AcDbObjectId area = vtsample::addAreaTextStyle(db, "Area", "$(rtos,%PROPERTY,2,2) m2");
    AcDbObjectId length = vtsample::addStyle(db, "Length", new AcLengthReader(), new AcTextModifier());
    AcDbObjectId x = vtsample::addStyle(db, "X", new AcXCoordReader(), new AcTextModifier(), "X %PROPERTY");
    AcDbObjectId name = vtsample::addStyle(db, "Name", new AcTextReader(), new AcTextModifier());
    for (int i = 0; i < 12; ++i) {
        double cx = coordinate(), cy = coordinate();
        AcDbObjectId room = addRoom(db, cx, cy, 4 + i % 5, 3 + i % 4);
        vtsample::storeLink(room, addText(db, cx + 1, cy + 1, ""), area);
        vtsample::storeLink(room, addText(db, cx + 1, cy - 2, ""), length);
        AcDbObjectId column = vtsample::addToModelSpace(db, new AcDbCircle(AcGePoint3d(cy, cx, 0), 1));
        vtsample::storeLink(column, addText(db, cy + 2, cx, ""), x);
        AcDbObjectId title = addText(db, cx, cy + 5, "Office");
        vtsample::storeLink(title, addText(db, cx + 20, cy + 5, ""), name);
    }
}

class CommandUndoProperty : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = [] {
            vthost::registerHostCommands();
            return true;
        }();
        (void)registered;
        commandLine().reset();
        doc = vthost::newDrawing();
    }
    void TearDown() override {
        while (acDocManager->documentCount() > 0) vthost::closeDrawing(acDocManager->documents().back());
        commandLine().reset();
    }
    vthost::test::OutputCapture output;
    AcApDocument* doc = nullptr;
};

TEST_F(CommandUndoProperty, UndoingEveryCommandGivesTheStartAndRedoGivesTheEnd) {
    constexpr int kCommands = 2000;
    for (unsigned seed : {20261209u, 7u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        AcDbDatabase& db = *doc->database();
        buildLinkedDrawing(db, seed);
        doc->state().undo.endGroup();
        std::vector<std::uint8_t> start = savedBytes(db);

        RandomSession session(db, seed, output);
        for (int i = 0; i < kCommands; ++i) {
            std::string failure;
            ASSERT_TRUE(session.typeOne(failure)) << "command " << i << ": " << failure;
        }
        std::vector<std::uint8_t> end = savedBytes(db);
        ASSERT_FALSE(end == start) << "the commands changed nothing";
        std::size_t groups = doc->state().undo.groupCount();
        ASSERT_GT(groups, 0u);

        commandLine().queue(std::to_string(groups));
        ASSERT_EQ(vthost::runCommand("UNDO"), CommandOutcome::kEnded);
        EXPECT_EQ(doc->state().undo.groupCount(), 0u);
        EXPECT_TRUE(savedBytes(db) == start) << "UNDO back to the start left another drawing";

        ASSERT_EQ(vthost::runCommand("REDO"), CommandOutcome::kEnded);
        EXPECT_TRUE(savedBytes(db) == end) << "REDO did not bring every command back";
        output.take();

        vthost::closeDrawing(doc);
        doc = vthost::newDrawing();
    }
}

}  // namespace
