#include "plan/PlanHeader.h"

#include <cmath>

namespace {

// Reads a length field and the bytes it announces. A negative or damaged length, or one
// longer than what is left of the file, makes the header invalid; nothing is allocated
// before the length has been checked against the file.
bool ReadLengthPrefixedBlock(PlanRecordReader& reader, int32_t length, std::string& out) {
    if (length == 0) return true;
    if (length < 0) return false;
    return reader.ReadBytes(out, uint64_t(length));
}

}  // namespace

PlanHeaderStatus ReadPlanHeader(PlanRecordReader& reader, PlanHeader& header, PlanParameters& params) {
    uint8_t magic[3] = {};
    for (uint8_t& b : magic)
        if (!reader.ReadByte(b)) return PlanHeaderStatus::notAPlan;
    if (magic[0] != 'A' || magic[1] != 'M' || magic[2] != 'F') return PlanHeaderStatus::notAPlan;

    float l1 = 0, l2 = 0;
    if (!reader.ReadFloat(l1) || !reader.ReadFloat(l2)) return PlanHeaderStatus::invalid;
    if (!ReadLengthPrefixedBlock(reader, PlanTruncToInt(l1), header.text1)) return PlanHeaderStatus::invalid;
    if (!ReadLengthPrefixedBlock(reader, PlanTruncToInt(l2), header.text2)) return PlanHeaderStatus::invalid;

    float n = 0;
    // A count that is no number at all is damage; a negative one means none.
    if (!reader.ReadFloat(n) || std::isnan(n)) return PlanHeaderStatus::invalid;
    const int32_t count = PlanTruncToInt(n);
    if (count > kPlanMaxParameter) return PlanHeaderStatus::invalid;
    header.parameterCount = count;
    PlanParameters read = params;
    for (int i = 2; i <= count; ++i)
        if (!reader.ReadFloat(read[i])) return PlanHeaderStatus::invalid;

    // The auxiliary array is as long as this file's parameter 21 says; a file that does not
    // carry parameter 21 has none.
    const int32_t aux = count >= PLAN_AUX_LENGTH ? PlanTruncToInt(read[PLAN_AUX_LENGTH]) : 0;
    if (aux < 0 || uint64_t(aux) * 4 > reader.Remaining()) return PlanHeaderStatus::invalid;
    header.auxiliary.resize(size_t(aux));
    for (float& v : header.auxiliary)
        if (!reader.ReadFloat(v)) return PlanHeaderStatus::invalid;

    float k = 0;
    if (!reader.ReadFloat(k) || std::isnan(k)) return PlanHeaderStatus::invalid;
    const int32_t extents = PlanTruncToInt(k);
    if (extents > kPlanMaxExtents) return PlanHeaderStatus::invalid;
    header.extentCount = extents;
    for (int i = 0; i < extents; ++i)
        if (!reader.ReadFloat(header.extents[i])) return PlanHeaderStatus::invalid;

    float t = 0;
    if (!reader.ReadFloat(t) || std::isnan(t)) return PlanHeaderStatus::invalid;
    const int32_t texts = PlanTruncToInt(t);
    if (texts > 1) return PlanHeaderStatus::invalid;
    if (texts == 1) {
        float d = 0;
        if (!reader.ReadFloat(d)) return PlanHeaderStatus::invalid;
        if (!ReadLengthPrefixedBlock(reader, PlanTruncToInt(d), header.annotation)) return PlanHeaderStatus::invalid;
    }

    params = read;
    return PlanHeaderStatus::valid;
}

bool PlanSheetModeSizesSheet(float mode) {
    const int32_t m = PlanTruncToInt(mode);
    return m == -1 || m == 2 || m == 3 || m == 4;
}
