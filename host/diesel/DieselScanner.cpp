// Scanning one call. The scan never recurses and never looks further than the call length limit,
// so its cost is bounded by that limit whatever follows in the text.
#include "diesel/DieselScanner.h"

#include <algorithm>

namespace vthost {

std::string_view ScannedCall::piece(std::size_t i) const {
    const std::size_t from = starts_[i];
    const std::size_t to = i + 1 < count_ ? starts_[i + 1] : text_.size();
    return std::string_view(text_).substr(from, to - from);
}

void DieselScanner::startPiece(ScannedCall& call) {
    call.starts_[call.count_++] = call.text_.size();
}

bool DieselScanner::scan(std::string_view text, std::size_t at, ScannedCall& call,
                         std::size_t& failedAt) {
    call = ScannedCall();
    startPiece(call);
    const std::size_t last = std::min(text.size(), at + kDieselMaxCallLength);
    bool quoted = false;
    int depth = 0;
    for (std::size_t i = at + 2; i < last; ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                call.text_ += c;
            } else if (i + 1 < last && text[i + 1] == '"') {
                call.text_ += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ')' && depth == 0) {
            call.end_ = i + 1;
            return true;
        } else if (c == ',' && depth == 0) {
            if (call.count_ == kDieselMaxPieces) {
                failedAt = i;
                return false;
            }
            startPiece(call);
        } else {
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            call.text_ += c;
        }
    }
    failedAt = last;
    return false;
}

}  // namespace vthost
