// vthost::EntryLog: the entry changes of one container (an entry added, an entry removed; a rename
// is both), newest last, kept for as long as some undo record may need to take them back.
// EntryJournal is the container's handle on it: it holds the log weakly, so the log lives exactly
// as long as the records that share it, and changes made while no record needs them cost nothing.
// EntryLogRecord is the container's undo record: its own fields as a head snapshot, and a mark in
// the log. Restoring takes back every change logged after the mark, newest first, through the
// container's revert function, then puts the head back. Host internals: public only because the
// container classes hold these by value; not for modules.
#pragma once
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "db/UndoRecord.h"

namespace vthost {

template <class Change>
class EntryLog {
public:
    void add(Change change) { m_changes.push_back(std::move(change)); }
    std::size_t size() const { return m_changes.size(); }
    // Hands every change after mark to revert, newest first, and forgets it.
    template <class Revert>
    void revertTo(std::size_t mark, Revert revert) {
        while (m_changes.size() > mark) {
            revert(m_changes.back());
            m_changes.pop_back();
        }
    }

private:
    std::vector<Change> m_changes;
};

template <class Change>
class EntryJournal {
public:
    // The live log, or a new one when no record holds one any more.
    std::shared_ptr<EntryLog<Change>> share() {
        std::shared_ptr<EntryLog<Change>> log = m_log.lock();
        if (!log) {
            log = std::make_shared<EntryLog<Change>>();
            m_log = log;
        }
        return log;
    }
    // Logs a change if some record may need it back.
    void note(Change change) {
        if (std::shared_ptr<EntryLog<Change>> log = m_log.lock()) log->add(std::move(change));
    }

private:
    std::weak_ptr<EntryLog<Change>> m_log;
};

template <class Change>
class EntryLogRecord : public UndoRecord {
public:
    using Revert = void (*)(AcDbObject* container, const Change& change);

    EntryLogRecord(const AcDbObject* container, EntryJournal<Change>& journal, Revert revert)
        : m_head(takeHeadSnapshot(container)),
          m_log(journal.share()),
          m_mark(m_log->size()),
          m_revert(revert) {}

    void restore(AcDbObject* container) const override {
        m_log->revertTo(m_mark, [&](const Change& change) { m_revert(container, change); });
        restoreHeadSnapshot(container, m_head);
    }
    std::size_t copiedBytes() const override { return m_head ? m_head->size() : 0; }

private:
    Snapshot m_head;
    std::shared_ptr<EntryLog<Change>> m_log;
    std::size_t m_mark;
    Revert m_revert;
};

// An entry list kept in order (a symbol table's records, a block's entities), its changes logged.
class IdList {
public:
    struct Change {
        bool inserted;
        std::size_t at;
        AcDbObjectId id;
    };

    const std::vector<AcDbObjectId>& ids() const { return m_ids; }
    void append(AcDbObjectId id) {
        m_journal.note({true, m_ids.size(), id});
        m_ids.push_back(id);
    }
    // Replaces the whole list (a record read in), logged entry by entry.
    void assign(std::vector<AcDbObjectId> ids) {
        while (!m_ids.empty()) {
            m_journal.note({false, m_ids.size() - 1, m_ids.back()});
            m_ids.pop_back();
        }
        for (AcDbObjectId id : ids) append(id);
    }
    // The record of a container whose entries are this list; listOf finds it in the container.
    template <IdList& (*listOf)(AcDbObject*)>
    UndoRecordPtr newRecord(const AcDbObject* container) {
        return std::make_shared<EntryLogRecord<Change>>(container, m_journal, &revert<listOf>);
    }

private:
    template <IdList& (*listOf)(AcDbObject*)>
    static void revert(AcDbObject* container, const Change& change) {
        std::vector<AcDbObjectId>& ids = listOf(container).m_ids;
        if (change.inserted)
            ids.erase(ids.begin() + static_cast<long>(change.at));
        else
            ids.insert(ids.begin() + static_cast<long>(change.at), change.id);
    }

    std::vector<AcDbObjectId> m_ids;
    EntryJournal<Change> m_journal;
};

}  // namespace vthost
