#include "ent/AcDbObjectIterator.h"

ACRX_DEFINE_MEMBERS(AcDbObjectIterator)

AcDbObjectIterator::AcDbObjectIterator(std::vector<AcDbObjectId> ids)
    : m_list(std::move(ids), true, true) {}

void AcDbObjectIterator::start(bool atEnd) { m_list.start(!atEnd, true); }

bool AcDbObjectIterator::done() const { return m_list.done(); }

void AcDbObjectIterator::step(bool backwards, bool skipErased) { m_list.step(!backwards, skipErased); }

AcDbObjectId AcDbObjectIterator::objectId() const { return m_list.current(); }

bool AcDbObjectIterator::seek(AcDbObjectId id) { return m_list.seek(id); }
