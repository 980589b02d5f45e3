#include "output/info_text.h"

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "import/text_encoding.h"
#include "model/text.h"
#include "platform/file_system.h"

namespace lurnatik {
namespace {

// The file as the box shows it: UTF-8, or Windows-1252 where it is not valid
// UTF-8, UTF-16 decoded; without a byte-order mark or a DOS end-of-file mark;
// every line end a single line feed.
std::string readableText(std::string bytes) {
    const std::string text = toUtf8(withoutByteOrderMark(decodedFileText(std::move(bytes))));
    return foldLineEnds(text, '\n');
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
            auto bytes = path ? platform.files.readFile(*path) : std::nullopt;
            if (bytes) {
                content = readableText(std::move(*bytes));
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
