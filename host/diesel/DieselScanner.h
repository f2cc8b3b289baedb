// The scan that delimits one $(...) call before anything in it is evaluated. It finds the matching
// ')' by counting unquoted parentheses, splits the text at unquoted top-level commas and removes
// one layer of quoting ("" inside quotes gives one "). A ScannedCall owns its unquoted copy of the
// text; the pieces are views into it and stay valid while the ScannedCall lives.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vthost {

constexpr std::size_t kDieselMaxCallLength = 4095;  // raw characters from '$' to ')'
constexpr std::size_t kDieselMaxPieces = 10;        // the name and nine arguments

class ScannedCall {
public:
    // Piece 0 is the function name, pieces 1.. the arguments, all still unevaluated.
    std::size_t pieceCount() const { return count_; }
    std::string_view piece(std::size_t i) const;
    // Offset just past the closing ')' in the scanned text.
    std::size_t end() const { return end_; }

private:
    friend class DieselScanner;
    std::string text_;
    std::array<std::size_t, kDieselMaxPieces + 1> starts_{};
    std::size_t count_ = 0;
    std::size_t end_ = 0;
};

class DieselScanner {
public:
    // Scans the call whose "$(" begins at text[at]. On failure (no matching ')', a quote left open,
    // more than ten pieces, a call longer than the limit) returns false and sets failedAt to the
    // offset where the scan stopped.
    static bool scan(std::string_view text, std::size_t at, ScannedCall& call,
                     std::size_t& failedAt);

private:
    static void startPiece(ScannedCall& call);
};

}  // namespace vthost
