#include "import/permanence_reader.h"

#include <new>
#include <string>

#include "core/number_text.h"
#include "import/item_reader.h"
#include "import/text_encoding.h"
#include "model/text.h"

namespace lurnatik {
namespace {

// Entries of permanenz behind the last spin, so that a few throws more than the
// file holds read as 0.
constexpr std::size_t kEmptyTail = 20;

// What a header byte may take while the description is made: the copy with line
// ends folded, its UTF-8 form (up to three bytes) and the description.
constexpr std::uint64_t kHeaderBytesPerByte = 5;

enum class DataItem { Spin, Separator, End };

// Both passes classify through this one function, so they agree on every item.
DataItem classify(std::string_view item) {
    if (!item.empty()) {
        if (item.front() == '-') {
            return DataItem::Separator;
        }
        if (item.front() == '=') {
            return DataItem::End;
        }
    }
    return DataItem::Spin;
}

std::size_t countSpins(ItemReader reader) {
    std::size_t count = 0;
    std::string_view item;
    while (reader.next(item)) {
        const DataItem kind = classify(item);
        if (kind == DataItem::End) {
            break;
        }
        count += kind == DataItem::Spin;
    }
    return count;
}

void fillSpins(ItemReader reader, std::vector<PermanenzEntry>& spins, std::size_t count) {
    std::size_t k = 0;
    std::string_view item;
    while (k < count && reader.next(item)) {
        const DataItem kind = classify(item);
        if (kind == DataItem::End) {
            break;
        }
        if (kind == DataItem::Spin) {
            spins[++k] = readNumberKeepingOverflow(item);
        }
    }
}

// A caption breaks lines with a single '\r' and cannot show NUL; a quoted header
// item may hold either. Each item is read in its own encoding: files put together
// from several sources mix UTF-8 and Windows-1252 lines.
void appendHeaderItem(std::string& out, std::string_view item) {
    std::string plain = foldLineEnds(item, '\r');
    std::erase(plain, '\0');
    out += toUtf8(plain);
}

}  // namespace

std::optional<Permanence> parsePermanence(std::string_view bytes, const MemoryCheck& mayAllocate) {
    // A byte order mark is invisible in an editor; without skipping it a file saved
    // as UTF-8 by some editors would not begin with "Spielbank".
    bytes = withoutByteOrderMark(bytes);

    ItemReader reader(bytes);
    std::string_view header[4];
    for (int i = 0; i < 4; ++i) {
        if (!reader.next(header[i])) {
            return std::nullopt;
        }
        if (i == 0 && header[0].substr(0, 9) != "Spielbank") {
            return std::nullopt;
        }
    }

    // A quoted header item can run over the whole file; as UTF-8 a byte of it
    // takes up to three, beside its copy with folded line ends.
    const std::uint64_t headerBytes = header[0].size() + header[1].size() + header[2].size();
    if (mayAllocate && !mayAllocate(headerBytes * kHeaderBytesPerByte)) {
        return std::nullopt;
    }
    Permanence p;
    appendHeaderItem(p.description, header[0]);
    p.description += '\r';
    appendHeaderItem(p.description, header[1]);
    p.description += '\r';
    appendHeaderItem(p.description, header[2]);

    p.spinCount = countSpins(reader);
    const std::size_t entries = p.spinCount + 1 + kEmptyTail;
    if (mayAllocate && !mayAllocate(std::uint64_t{entries} * sizeof(PermanenzEntry))) {
        return std::nullopt;
    }
    p.spins.resize(entries);
    fillSpins(reader, p.spins, p.spinCount);
    return p;
}

void readPermanence(Form1& form, Platform& platform) {
    State& s = form.state;
    s.permanzahl = 0;

    const std::string name = form.File1.fileName();
    if (name.empty()) {
        return;
    }
    std::optional<Permanence> p;
    try {
        // Each step asks before it holds more: the file's bytes, their decoded
        // copy, the spins beside them.
        const MemoryCheck mayHold = memoryCheck(platform.memory);
        const std::string path = pathInDirectory(form.Dir1.path(), name);
        std::optional<std::string> bytes = readWithinMemory(platform.files, platform.memory, path);
        if (!bytes || bytes->empty()) {
            return;
        }
        const std::optional<std::string> text = decodedFileText(std::move(*bytes), mayHold);
        if (text) {
            p = parsePermanence(*text, mayHold);
        }
    } catch (const std::bad_alloc&) {
        return;  // a file too large to hold is treated as one that cannot be read
    }
    if (!p) {
        return;
    }

    form.text.caption = std::move(p->description);
    const double count = static_cast<double>(p->spinCount);
    s.permanzahl = count;
    s.sollwuerfe = count;
    form.textanzahl.setText(writeNumber(count));  // runs its change handling, nested
    s.importmodus = 1;
    s.permanenz = std::move(p->spins);

    form.Frame1.visible = false;
    form.okextern.enabled = false;
    form.okabbrechen.enabled = true;
}

}  // namespace lurnatik
