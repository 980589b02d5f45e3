#include "output/info_text.h"

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "import/text_encoding.h"
#include "model/text.h"
#include "platform/file_reading.h"

namespace lurnatik {
namespace {

// What a byte of the file may take while it is shown: its UTF-8 form (a
// Windows-1252 byte takes up to three) and that with folded line ends here, and in
// the window about seven more (the UTF-16 text, the box's document and layout,
// measured with Qt 6.4).
constexpr std::uint64_t kShownBytesPerByte = 16;

// The file as the box shows it: UTF-8, or Windows-1252 where it is not valid
// UTF-8, UTF-16 decoded; without a byte-order mark or a DOS end-of-file mark;
// every line end a single line feed. nullopt when it does not fit the memory.
std::optional<std::string> readableText(std::string bytes, const MemoryCheck& mayHold) {
    const std::optional<std::string> decoded = decodedFileText(std::move(bytes), mayHold);
    if (!decoded) {
        return std::nullopt;
    }
    const std::string_view text = withoutByteOrderMark(*decoded);
    if (!mayHold(std::uint64_t{text.size()} * kShownBytesPerByte)) {
        return std::nullopt;
    }
    return foldLineEnds(toUtf8(text), '\n');
}

}  // namespace

std::optional<std::string> infoFilePath(const std::string& programDirectory) {
    if (pathRoot(programDirectory).empty()) {
        return std::nullopt;
    }
    return pathInDirectory(programDirectory, kInfoFileName);
}

void toggleInfo(Form1& form, Platform& platform) {
    RichTextBox& box = form.infotext;
    Button& okinfo = form.okinfo;
    if (okinfo.caption == "Info") {
        box.visible = true;
        std::optional<std::string> content;
        try {
            const auto path = infoFilePath(platform.session.programDirectory());
            const MemoryCheck mayHold = memoryCheck(platform.memory);
            auto bytes =
                path ? readWithinMemory(platform.files, platform.memory, *path) : std::nullopt;
            if (bytes) {
                content = readableText(std::move(*bytes), mayHold);
            }
        } catch (const std::exception&) {
            // A file too large to hold fails like a missing one: the box shows
            // the problem, and the next click closes it.
        }
        if (content) {
            box.text = std::move(*content);
        } else {
            box.text = "Problem:\n";
            box.text = box.text + "Kann die Datei Info_Lurnatik1.txt nicht finden.";
        }
        okinfo.caption = "Ende Info";
    } else if (okinfo.caption == "Ende Info") {
        box.visible = false;
        okinfo.caption = "Info";
        box.text.clear();
    }
}

}  // namespace lurnatik
