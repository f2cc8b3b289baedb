// Live labels in drawing files: a drawing saved with styles and links is opened again and its
// labels follow their sources; opened without the library, its styles and links are kept as
// proxies, survive a save untouched and come alive again once the library is back.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "DrawingLayout.h"
#include "DrawingTestSupport.h"
#include "LibraryTestEnvironment.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbProxyObject.h"
#include "ut/AcUtil.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using vttest::sameIn;

AcDbText* newText(const char* text) {
    auto* entity = new AcDbText();
    entity->setTextString(text);
    return entity;
}

AcDbPolyline* newSquare(double side) {
    auto* square = new AcDbPolyline();
    for (unsigned i = 0; i < 4; ++i)
        square->addVertexAt(i, AcGePoint2d(i == 1 || i == 2 ? side : 0, i >= 2 ? side : 0));
    square->setClosed(true);
    return square;
}

class DrawingFileLabels : public vttest::DrawingTest {
protected:
    // Saves the drawing and puts the drawing read back from its bytes in its place.
    Bytes reopen() {
        Bytes bytes = vttest::savedBytes(*db);
        open(bytes);
        return bytes;
    }
    void open(const Bytes& bytes) {
        Acad::ErrorStatus status = Acad::eNotApplicable;
        std::unique_ptr<AcDbDatabase> next = vttest::opened(bytes, &status);
        ASSERT_EQ(status, Acad::eOk);
        acdbHostApplicationServices()->setWorkingDatabase(next.get());
        db = std::move(next);
    }
    void close() {
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
        db.reset();
    }
    // The label ids stay the same handles in the reopened drawing.
    AcDbObjectId now(AcDbObjectId id) const { return sameIn(*db, id); }
    bool isProxy(AcDbObjectId id) {
        AcDbObject* object = nullptr;
        if (acdbOpenAcDbObject(object, now(id), AcDb::kForRead) != Acad::eOk) return false;
        bool proxy = object->isAProxy();
        object->close();
        return proxy;
    }
    void setSquareTop(AcDbObjectId square, double y) {
        modify<AcDbPolyline>(now(square),
                             [y](AcDbPolyline* p) { p->setPointAt(2, AcGePoint2d(10, y)); });
    }
    // A square with an area label through a style; the ids of style, source, label and link.
    std::array<AcDbObjectId, 4> areaLabel() {
        AcDbObjectId style =
            addStyle("area", new AcAreaReader(), new AcTextModifier(), "$(rtos,%PROPERTY,2,1)");
        AcDbObjectId square = add(newSquare(10));
        AcDbObjectId label = add(newText(""));
        AcDbObjectId linkId = link(square, label, style);
        return {style, square, label, linkId};
    }
};

// The whole point: every kind of label is saved, opened in a new database and still follows.
TEST_F(DrawingFileLabels, EveryLabelKindFollowsItsSourceAfterOpening) {
    auto [area, square, areaLabel, areaLink] = this->areaLabel();
    AcDbObjectId mtextLabel = add(new AcDbMText());
    link(square, mtextLabel,
         addStyle("m2", new AcAreaReader(), new AcMTextModifier(), "%PROPERTY m2"));
    AcDbObjectId arc = add(new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, M_PI));
    AcDbObjectId dimension = add(
        new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(2, 1, 0)));
    link(arc, dimension, addStyle("length", new AcLengthReader(), new AcDimensionModifier()));
    AcDbObjectId noteSource = add(newText("see 4"));
    AcDbObjectId note = add(new AcDbMText());
    auto* leader = new AcDbLeader();
    leader->attachAnnotation(note);
    link(noteSource, add(leader), addStyle("note", new AcTextReader(), new AcLeaderModifier()));
    AcDbObjectId reference = add(new AcDbBlockReference(AcGePoint3d(5, 6, 7), db->modelSpaceId()));
    AcDbObjectId attribute;
    modify<AcDbBlockReference>(reference, [&](AcDbBlockReference* r) {
        auto* a = new AcDbAttribute();
        a->setTag("AREA");
        r->appendAttribute(attribute, a);
        a->close();
    });
    auto* byTag = new AcBlockModifier();
    byTag->setAttribName("Area");
    link(square, reference, addStyle("block", new AcAreaReader(), byTag));
    AcDbObjectId colorSource = add(newText("3"));
    AcDbObjectId colored = add(new AcDbCircle(AcGePoint3d(1, 2, 0), 1.0));
    link(colorSource, colored, addStyle("color", new AcTextReader(), new AcColorModifier()));
    AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(12.5, -3, 0), 1.0));
    AcDbObjectId xLabel = add(newText(""));
    link(circle, xLabel, addStyle("x", new AcXCoordReader(), new AcTextModifier()));
    db->headerVariables().set("LUPREC", short{2});

    reopen();
    EXPECT_EQ(textOf(now(areaLabel)), "100.0");
    setSquareTop(square, 20);
    EXPECT_EQ(textOf(now(areaLabel)), "150.0");
    EXPECT_EQ(textOf(now(mtextLabel)), "150.00 m2");
    EXPECT_EQ(textOf(now(attribute)), "150.00");
    modify<AcDbArc>(now(arc), [](AcDbArc* a) { a->setRadius(1.0); });
    std::string dimensionText =
        read<AcDbDimension, std::string>(now(dimension), [](const AcDbDimension* d) {
            char* text = d->dimensionText();
            std::string result = text ? text : "";
            acutDelString(text);
            return result;
        });
    EXPECT_EQ(dimensionText, "3.14");
    modify<AcDbText>(now(noteSource), [](AcDbText* t) { t->setTextString("see 5"); });
    EXPECT_EQ(textOf(now(note)), "see 5");
    modify<AcDbText>(now(colorSource), [](AcDbText* t) { t->setTextString("5"); });
    int color =
        read<AcDbEntity, int>(now(colored), [](const AcDbEntity* e) { return e->colorIndex(); });
    EXPECT_EQ(color, 5);
    modify<AcDbCircle>(now(circle), [](AcDbCircle* c) { c->setCenter(AcGePoint3d(-1, 0, 0)); });
    EXPECT_EQ(textOf(now(xLabel)), "-1.00");
}

// Styles (with their embedded reader and modifier) and links file back to the same bytes, and
// the link's hard pointer still holds its style.
TEST_F(DrawingFileLabels, StylesAndLinksWriteBackTheSameBytes) {
    auto [style, square, label, linkId] = areaLabel();
    auto counts = [&] {
        AcDbObjectIdArray ids;
        ids.append(now(style));
        Adesk::UInt32 count = 0;
        db->countHardReferences(ids, &count);
        return count;
    };
    Adesk::UInt32 before = counts();
    Bytes bytes = reopen();
    EXPECT_EQ(vttest::savedBytes(*db), bytes);
    EXPECT_EQ(counts(), before);
    EXPECT_EQ(before, 1u);
    EXPECT_FALSE(isProxy(style));
    EXPECT_FALSE(isProxy(linkId));
}

// A user without the library opens the drawing, changes something else and saves: every style
// and link record goes back unchanged, and with the library loaded again the labels follow.
TEST_F(DrawingFileLabels, WithoutTheLibraryLinksAreKeptAndComeBackToLife) {
    auto [style, square, label, linkId] = areaLabel();
    AcDbObjectId other = add(new AcDbCircle(AcGePoint3d(0, 0, 0), 1.0));
    Bytes saved = vttest::savedBytes(*db);
    close();
    ASSERT_TRUE(vttest::unloadLibrary());
    struct Reload {
        ~Reload() { vttest::loadLibrary(); }
    } reload;
    open(saved);
    EXPECT_TRUE(isProxy(style));
    EXPECT_TRUE(isProxy(linkId));
    modify<AcDbCircle>(now(other), [](AcDbCircle* c) { c->setRadius(2.0); });
    Bytes resaved = vttest::savedBytes(*db);
    close();

    vttest::DrawingLayout before, after;
    ASSERT_TRUE(vttest::DrawingLayout::decode(saved, before));
    ASSERT_TRUE(vttest::DrawingLayout::decode(resaved, after));
    ASSERT_EQ(before.objects.size(), after.objects.size());
    for (std::size_t i = 0; i < before.objects.size(); ++i) {
        const auto& was = before.objects[i];
        const auto& is = after.objects[i];
        EXPECT_EQ(before.classOf(was).name, after.classOf(is).name);
        EXPECT_EQ(before.classOf(was).appName, after.classOf(is).appName);
        if (was.handle != other.rawHandle()) {
            EXPECT_EQ(was.record, is.record) << before.classOf(was).name;
        }
    }

    ASSERT_TRUE(vttest::loadLibrary());
    open(resaved);
    EXPECT_FALSE(isProxy(linkId));
    setSquareTop(square, 30);
    EXPECT_EQ(textOf(now(label)), "200.0");
}

// A style newer than the library, or one whose reader class is unknown, is kept as a proxy (the
// half-read style is dropped): the label keeps its text, and the record goes back as it came.
TEST_F(DrawingFileLabels, StylesTheLibraryCannotReadAreKeptAsTheyWere) {
    auto [style, square, label, linkId] = areaLabel();
    Bytes saved = vttest::savedBytes(*db);
    vttest::DrawingLayout layout;
    ASSERT_TRUE(vttest::DrawingLayout::decode(saved, layout));
    Bytes newer = layout.find(style.rawHandle())->record;
    ASSERT_TRUE(vttest::patch(newer, std::string("\x01\x02\x00\x07\x01", 5),
                              std::string("\x01\x03\x00\x07\x01", 5)));
    layout.find(style.rawHandle())->record = newer;
    Bytes unknownReader = saved;
    ASSERT_TRUE(vttest::patch(unknownReader, "AcAreaReader", "AcAreaReadeX"));
    for (const Bytes& bytes : {layout.encode(), vttest::resealed(unknownReader)}) {
        open(bytes);
        EXPECT_TRUE(isProxy(style));
        EXPECT_FALSE(isProxy(linkId));
        setSquareTop(square, 20);
        EXPECT_EQ(textOf(now(label)), "100.0");
        setSquareTop(square, 10);
        EXPECT_EQ(vttest::savedBytes(*db), bytes);
    }
}

}  // namespace
