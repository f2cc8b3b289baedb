// vthost::EntryLog: the entry changes of one container (an entry added, an entry removed; a rename
// is both), newest last, kept for as long as some undo record may need to take them back.
// EntryJournal is the container's handle on it: it holds the log weakly, so the log lives exactly
// as long as the records that share it, and changes made while no record needs them cost nothing.
// EntryLogRecord is the container's undo record: its own fields as a head snapshot, and a mark in
// the log. Restoring takes back every change logged after the mark, newest first, through the
// container's revert function, then puts the head back. For the command-level redo it can instead
// hand the changes it took back to an EntryReapplyRecord, which makes them again, oldest first, and
// logs them again, so that undo and redo both cost what the command changed. Host internals: public only because the
// container classes hold these by value; not for modules.
#pragma once
#include <algorithm>
#include <cstddef>
#include <iterator>
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

    // Takes every change after mark out of the log, oldest first, reverting each newest first.
    template <class Revert>
    std::vector<Change> takeAfter(std::size_t mark, Revert revert) {
        std::vector<Change> taken;
        for (std::size_t i = m_changes.size(); i > mark; --i) revert(m_changes[i - 1]);
        if (m_changes.size() > mark) {
            taken.assign(std::make_move_iterator(m_changes.begin() + static_cast<long>(mark)),
                         std::make_move_iterator(m_changes.end()));
            m_changes.resize(mark);
        }
        return taken;
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
    bool unchanged(const AcDbObject* container) const override {
        return m_log->size() <= m_mark && headUnchanged(container, m_head);
    }
    UndoRecordPtr restoreForRedo(AcDbObject* container) const override;

private:
    Snapshot m_head;
    std::shared_ptr<EntryLog<Change>> m_log;
    std::size_t m_mark;
    Revert m_revert;
};

// Makes again the entry changes an EntryLogRecord took back (a change made again is its inverse
// reverted: Change has a flag `inserted` that tells an entry added from one removed), logs them
// again, then puts back the head the container had before they were taken back.
template <class Change>
class EntryReapplyRecord : public UndoRecord {
public:
    using Revert = void (*)(AcDbObject* container, const Change& change);

    EntryReapplyRecord(Snapshot head, std::shared_ptr<EntryLog<Change>> log,
                       std::vector<Change> changes, Revert revert)
        : m_head(std::move(head)), m_log(std::move(log)), m_changes(std::move(changes)),
          m_revert(revert) {}

    void restore(AcDbObject* container) const override {
        for (const Change& change : m_changes) {
            Change inverse = change;
            inverse.inserted = !inverse.inserted;
            m_revert(container, inverse);
            m_log->add(change);
        }
        restoreHeadSnapshot(container, m_head);
    }
    std::size_t copiedBytes() const override { return m_head ? m_head->size() : 0; }
    bool unchanged(const AcDbObject* container) const override {
        return m_changes.empty() && headUnchanged(container, m_head);
    }
    UndoRecordPtr restoreForRedo(AcDbObject* container) const override {
        restore(container);
        return nullptr;
    }

private:
    Snapshot m_head;
    std::shared_ptr<EntryLog<Change>> m_log;
    std::vector<Change> m_changes;
    Revert m_revert;
};

template <class Change>
UndoRecordPtr EntryLogRecord<Change>::restoreForRedo(AcDbObject* container) const {
    Snapshot present = takeHeadSnapshot(container);
    std::vector<Change> taken =
        m_log->takeAfter(m_mark, [&](const Change& change) { m_revert(container, change); });
    restoreHeadSnapshot(container, m_head);
    return std::make_shared<EntryReapplyRecord<Change>>(std::move(present), m_log,
                                                        std::move(taken), m_revert);
}

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
        // Positions are checked: a redo made after the list changed unlogged must not run off it.
        std::vector<AcDbObjectId>& ids = listOf(container).m_ids;
        std::size_t at = std::min(change.at, ids.size());
        if (!change.inserted)
            ids.insert(ids.begin() + static_cast<long>(at), change.id);
        else if (at < ids.size())
            ids.erase(ids.begin() + static_cast<long>(at));
    }

    std::vector<AcDbObjectId> m_ids;
    EntryJournal<Change> m_journal;
};

}  // namespace vthost
