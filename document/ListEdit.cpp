#include "document/ListEdit.h"

#include "document/ObjectRecords.h"
#include "objects/ArdoObj.h"
#include "platform/Archive.h"

#include <algorithm>
#include <unordered_map>

size_t ListEdit::Bytes() const {
    size_t total = sizeof(ListEdit);
    for (const auto* side : {&before, &after})
        for (const Entry& e : *side) total += sizeof(Entry) + e.record.capacity();
    return total;
}

namespace {

// Positions (into `pairs`) of a longest run whose first members strictly increase; the second
// members already do.
std::vector<size_t> LongestIncreasingRun(const std::vector<std::pair<uint32_t, uint32_t>>& pairs) {
    std::vector<size_t> tails;  // tails[k]: pair ending the best run of length k + 1
    std::vector<size_t> previous(pairs.size(), SIZE_MAX);
    for (size_t i = 0; i < pairs.size(); ++i) {
        auto it = std::lower_bound(tails.begin(), tails.end(), pairs[i].first,
                                   [&](size_t t, uint32_t v) { return pairs[t].first < v; });
        if (it != tails.begin()) previous[i] = *(it - 1);
        if (it == tails.end())
            tails.push_back(i);
        else
            *it = i;
    }
    std::vector<size_t> run;
    for (size_t i = tails.empty() ? SIZE_MAX : tails.back(); i != SIZE_MAX; i = previous[i]) run.push_back(i);
    std::reverse(run.begin(), run.end());
    return run;
}

}  // namespace

ListEdit DiffLists(const std::vector<CArdoObj*>& before, const ObjectList& after,
                   const std::function<bool(const CArdoObj*)>& unchanged,
                   const std::function<std::vector<uint8_t>(const CArdoObj*)>& recordBefore) {
    const size_t nb = before.size(), na = after.size();
    size_t head = 0;
    while (head < nb && head < na && before[head] == after[head].get() && unchanged(before[head])) ++head;
    size_t tail = 0;
    while (tail < nb - head && tail < na - head && before[nb - 1 - tail] == after[na - 1 - tail].get() &&
           unchanged(before[nb - 1 - tail]))
        ++tail;

    // In the middle, keep the unchanged objects of both states in their shared order.
    std::unordered_map<const CArdoObj*, uint32_t> beforeIndex;
    beforeIndex.reserve(nb - head - tail);
    for (size_t i = head; i < nb - tail; ++i) beforeIndex.emplace(before[i], uint32_t(i));
    std::vector<std::pair<uint32_t, uint32_t>> common;  // (before index, after index)
    for (size_t i = head; i < na - tail; ++i) {
        const auto found = beforeIndex.find(after[i].get());
        if (found != beforeIndex.end() && unchanged(after[i].get())) common.emplace_back(found->second, uint32_t(i));
    }
    std::vector<bool> keptBefore(nb - head - tail), keptAfter(na - head - tail);
    for (size_t k : LongestIncreasingRun(common)) {
        keptBefore[common[k].first - head] = true;
        keptAfter[common[k].second - head] = true;
    }

    ListEdit edit;
    edit.before.reserve(nb - head - tail - common.size());
    edit.after.reserve(na - head - tail - common.size());
    for (size_t i = head; i < nb - tail; ++i)
        if (!keptBefore[i - head]) edit.before.push_back({uint32_t(i), recordBefore(before[i])});
    for (size_t i = head; i < na - tail; ++i)
        if (!keptAfter[i - head]) edit.after.push_back({uint32_t(i), {}});
    return edit;
}

PreparedListEdit PrepareListEdit(const ObjectList& list, std::vector<ListEdit::Entry>& from,
                                 const std::vector<ListEdit::Entry>& to, ObjectOwner& owner) {
    const auto bad = [] { throw CArchiveException(CArchiveException::badIndex, "undo record does not fit the list"); };
    if (from.size() > list.size()) bad();
    for (size_t i = 0; i < from.size(); ++i)
        if (from[i].index >= list.size() || (i > 0 && from[i].index <= from[i - 1].index)) bad();
    const size_t size = list.size() - from.size() + to.size();
    for (size_t i = 0; i < to.size(); ++i)
        if (to[i].index >= size || (i > 0 && to[i].index <= to[i - 1].index)) bad();
    PreparedListEdit prepared{&from, &to, {}};
    prepared.made.reserve(to.size());
    for (const auto& entry : to) prepared.made.push_back(ObjectFromRecord(entry.record, owner));
    return prepared;
}

std::vector<CArdoObj*> ApplyListEdit(ObjectList& list, PreparedListEdit prepared, ObjectOwner& owner,
                                     const std::function<void(CArdoObj*)>& removing) {
    auto& from = *prepared.from;
    const auto& to = *prepared.to;
    auto& made = prepared.made;
    for (auto& entry : from) {
        if (entry.record.empty()) entry.record = ObjectRecord(*list[entry.index], owner);
        removing(list[entry.index].get());
    }
    const size_t size = list.size() - from.size() + to.size();
    ObjectList result;
    result.reserve(size);
    std::vector<CArdoObj*> added;
    added.reserve(made.size());
    size_t next = 0, skip = 0, put = 0;  // next of the old list, of `from`, of `made`
    while (result.size() < size) {
        if (put < made.size() && to[put].index == result.size()) {
            added.push_back(made[put].get());
            result.push_back(std::move(made[put++]));
        } else if (skip < from.size() && from[skip].index == next) {
            ++skip;
            ++next;
        } else {
            result.push_back(std::move(list[next++]));
        }
    }
    list.swap(result);  // the removed objects go with `result`
    return added;
}
