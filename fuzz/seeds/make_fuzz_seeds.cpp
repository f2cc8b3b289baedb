// Writes the seed corpora of the drawing and record fuzzers from real drawings:
//   make_fuzz_seeds DRAWING_CORPUS RECORDS_CORPUS
// Drawings: a new empty drawing; one with every kind of label (styles and links); the same drawing
// opened and saved again without the object library (its styles and links as proxies); one with
// every host entity kind, dictionaries, an extension dictionary, reactors and erased objects.
// Records (first byte 0 style, 1 link, 2 block modifier, then the record): every style and a link
// of the label drawing, and a block modifier.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "SampleLinks.h"
#include "boot/Host.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "db/DrawingFile.h"
#include "db/DwgStreamFiler.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbFcf.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMInsertBlock.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"
#include "ent/AcDbViewport.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxDynamicLinker.h"
#include "style/AcPropertyLinkStyle.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes saved(AcDbDatabase& db) {
    Bytes bytes;
    if (vthost::saveDwgBytes(db, bytes) != Acad::eOk) std::abort();
    return bytes;
}

AcDbObjectId add(AcDbDatabase& db, AcDbEntity* entity) {
    return vtsample::addToModelSpace(db, entity);
}

AcDbObjectId putIn(AcDbObjectId dictionaryId, const char* key, AcDbObject* object) {
    AcDbDictionary* dictionary = nullptr;
    acdbOpenObject(dictionary, dictionaryId, AcDb::kForWrite);
    AcDbObjectId id;
    dictionary->setAt(key, object, id);
    object->close();
    dictionary->close();
    return id;
}

AcDbObjectId addStyle(AcDbDatabase& db, const char* name, AcPropertyReader* reader,
                      AcContentModifier* modifier, const char* macro = "") {
    return vtsample::addStyle(db, name, reader, modifier, macro, name);
}

AcDbObjectId link(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style) {
    return vtsample::storeLink(source, label, style);
}

AcDbText* text(const char* value) {
    auto* entity = new AcDbText();
    entity->setTextString(value);
    return entity;
}

AcDbPolyline* square(double side) {
    auto* p = new AcDbPolyline();
    for (unsigned i = 0; i < 4; ++i)
        p->addVertexAt(i, AcGePoint2d(i == 1 || i == 2 ? side : 0, i >= 2 ? side : 0));
    p->setClosed(true);
    return p;
}

struct Labels {
    std::vector<AcDbObjectId> styles, links;
};

Labels addLabels(AcDbDatabase& db) {
    Labels made;
    AcDbObjectId source = add(db, square(10));
    auto labelWith = [&](AcDbObjectId from, AcDbEntity* label, AcDbObjectId style) {
        made.styles.push_back(style);
        made.links.push_back(link(from, add(db, label), style));
    };
    labelWith(source, text(""), addStyle(db, "area", new AcAreaReader(), new AcTextModifier()));
    labelWith(
        source, new AcDbMText(),
        addStyle(db, "m2", new AcAreaReader(), new AcMTextModifier(), "$(rtos,%PROPERTY,2,1) m2"));
    labelWith(
        add(db, new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, M_PI)),
        new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(2, 1, 0)),
        addStyle(db, "length", new AcLengthReader(), new AcDimensionModifier()));
    AcDbObjectId note = add(db, new AcDbMText());
    auto* leader = new AcDbLeader();
    leader->appendVertex(AcGePoint3d(0, 0, 0));
    leader->attachAnnotation(note);
    labelWith(add(db, text("see 4")), leader,
              addStyle(db, "note", new AcTextReader(), new AcLeaderModifier()));
    auto* reference = new AcDbBlockReference(AcGePoint3d(5, 6, 7), db.modelSpaceId());
    AcDbObjectId referenceId = add(db, reference);
    acdbOpenObject(reference, referenceId, AcDb::kForWrite);
    auto* attribute = new AcDbAttribute();
    attribute->setTag("AREA");
    reference->appendAttribute(attribute);
    attribute->close();
    reference->close();
    auto* byTag = new AcBlockModifier();
    byTag->setAttribName("AREA");
    AcDbObjectId blockStyle = addStyle(db, "block", new AcAreaReader(), byTag);
    made.styles.push_back(blockStyle);
    made.links.push_back(link(source, referenceId, blockStyle));
    labelWith(add(db, text("3")), new AcDbCircle(AcGePoint3d(1, 2, 0), 1.0),
              addStyle(db, "color", new AcTextReader(), new AcColorModifier()));
    AcDbObjectId circle = add(db, new AcDbCircle(AcGePoint3d(12.5, -3, 0), 1.0));
    labelWith(circle, text(""), addStyle(db, "x", new AcXCoordReader(), new AcTextModifier()));
    labelWith(circle, text(""), addStyle(db, "y", new AcYCoordReader(), new AcTextModifier()));
    labelWith(circle, text(""), addStyle(db, "z", new AcZCoordReader(), new AcTextModifier()));
    return made;
}

void addHostObjects(AcDbDatabase& db) {
    add(db, new AcDbLine(AcGePoint3d(1, 2, 3), AcGePoint3d(4, 6, 3)));
    auto* ellipse = new AcDbEllipse();
    ellipse->set(AcGePoint3d(3, 4, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(0, 5, 0), 0.4, 0.5, 4.0);
    add(db, ellipse);
    auto* definition = new AcDbAttributeDefinition();
    definition->setTag("ROOM");
    add(db, definition);
    auto* minsert = new AcDbMInsertBlock();
    minsert->setBlockTableRecord(db.modelSpaceId());
    minsert->setColumns(3);
    add(db, minsert);
    auto* dimension = new AcDbRotatedDimension();
    dimension->setRotation(0.7);
    add(db, dimension);
    auto* fcf = new AcDbFcf();
    fcf->setText("{\\Fgdt;j}%%v0.2");
    add(db, fcf);
    auto* image = new AcDbRasterImage();
    image->setOrientation(AcGePoint3d(1, 1, 0), AcGeVector3d(640, 0, 0), AcGeVector3d(0, 480, 0));
    add(db, image);
    add(db, new AcDbViewport());
    AcDbObjectId erased = add(db, new AcDbLine());
    AcDbObject* object = nullptr;
    acdbOpenAcDbObject(object, erased, AcDb::kForWrite);
    object->erase();
    object->close();
    auto* hard = new AcDbDictionary();
    hard->setTreatElementsAsHard(true);
    AcDbObjectId hardId = putIn(db.namedObjectsDictionaryId(), "HARD", hard);
    AcDbObjectId inner = putIn(hardId, "*", new AcDbDictionary());
    AcDbObjectId circle = add(db, new AcDbCircle(AcGePoint3d(0, 0, 0), 2.0));
    acdbOpenAcDbObject(object, circle, AcDb::kForWrite);
    object->createExtensionDictionary();
    object->addPersistentReactor(inner);
    AcDbObjectId extension = object->extensionDictionary();
    object->close();
    putIn(extension, "NOTE", new AcDbDictionary());
}

Bytes record(std::uint8_t kind, const AcDbObject* object, AcDbDatabase& db) {
    vthost::DwgStreamFiler out(AcDb::kFileFiler, &db, vthost::IdCoding::kHandle);
    object->dwgOutFields(&out);
    Bytes bytes{kind};
    bytes.insert(bytes.end(), out.buffer().begin(), out.buffer().end());
    return bytes;
}

void writeRecords(AcDbDatabase& db, const Labels& labels, const std::string& folder) {
    const char* names[] = {"area", "m2", "length", "note", "block", "color", "x", "y", "z"};
    for (std::size_t i = 0; i < labels.styles.size(); ++i) {
        AcPropertyLinkStyle* style = nullptr;
        acdbOpenObject(style, labels.styles[i], AcDb::kForRead);
        put(folder + "/style-" + names[i] + ".bin", record(0, style, db));
        if (i == 4) put(folder + "/block-modifier.bin", record(2, style->contentModifier(), db));
        style->close();
    }
    AcPropertyLink* link = nullptr;
    acdbOpenObject(link, labels.links.front(), AcDb::kForRead);
    put(folder + "/link.bin", record(1, link, db));
    link->close();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DRAWING_CORPUS RECORDS_CORPUS\n");
        return 2;
    }
    std::string drawings = argv[1], records = argv[2];
    vthost::startHost();
    if (!acrxLoadModule("vantorell.dbx", true)) return 1;
    Bytes labelBytes;
    {
        AcDbDatabase empty;
        put(drawings + "/empty.vtdwg", saved(empty));
        AcDbDatabase db;
        acdbHostApplicationServices()->setWorkingDatabase(&db);
        Labels labels = addLabels(db);
        labelBytes = saved(db);
        put(drawings + "/labels.vtdwg", labelBytes);
        writeRecords(db, labels, records);
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
        AcDbDatabase host;
        addHostObjects(host);
        put(drawings + "/host-objects.vtdwg", saved(host));
    }
    if (!acrxUnloadModule("vantorell.dbx")) return 1;
    {
        AcDbDatabase without(false);
        if (vthost::readDwgBytes(without, labelBytes) != Acad::eOk) return 1;
        add(without, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(9, 9, 0)));
        put(drawings + "/without-library.vtdwg", saved(without));
    }
    vthost::stopHost();
    return 0;
}
