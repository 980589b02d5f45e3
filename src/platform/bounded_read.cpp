#include "platform/bounded_read.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace lurnatik {
namespace {

// The memory is asked again after each piece of this size; the bytes come through
// a small buffer of their own.
constexpr std::size_t kCheckedPiece = std::size_t{8} << 20;
constexpr std::size_t kBuffer = std::size_t{256} << 10;

}  // namespace

std::optional<std::string> readBounded(const ReadSome& readSome, std::uint64_t size,
                                       std::uint64_t margin, const MemoryCheck& mayHold) {
    if (size + margin >= std::numeric_limits<std::size_t>::max() / 2) {
        return std::nullopt;
    }
    const auto limit = static_cast<std::size_t>(size + margin);
    std::string bytes;
    bytes.reserve(limit + 1);  // a byte beyond the bound shows that there is more
    std::vector<char> buffer(std::min(kBuffer, limit + 1));
    for (std::size_t checked = 0;;) {
        const std::size_t have = bytes.size();
        if (have >= checked) {
            if (mayHold && !mayHold(size - std::min<std::uint64_t>(size, have))) {
                return std::nullopt;
            }
            checked = have + kCheckedPiece;
        }
        const std::ptrdiff_t n = readSome(buffer.data(), std::min(buffer.size(), limit + 1 - have));
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            return bytes;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(n));
        if (bytes.size() > limit) {
            return std::nullopt;
        }
    }
}

}  // namespace lurnatik
