#pragma once
// The monitor through which a dictionary build reports progress, messages and errors to
// whoever runs it (the builder's dialog, or the command line), and learns whether the
// user wants to abandon it.

#include <string>
#include <string_view>

namespace tessaran {

class DictionaryMaintainer {
public:
    virtual ~DictionaryMaintainer() = default;

    // A percentage 0..100 (a cycling 0..99 while the total is not yet known). Returns
    // false when the user has asked to abandon the build.
    virtual bool progress(int percent) {
        (void)percent;
        return true;
    }
    // A progress message; `format` holds at most one "%s", which stands for `argument`.
    virtual void message(std::string_view format, std::string_view argument) {
        (void)format;
        (void)argument;
    }
    // A failure message, of the same shape.
    virtual void error(std::string_view format, std::string_view argument) {
        (void)format;
        (void)argument;
    }

    // The text of a message: `format` with its "%s" (if any) replaced by `argument`.
    static std::string formatText(std::string_view format, std::string_view argument) {
        std::string text(format);
        const std::size_t at = text.find("%s");
        if (at != std::string::npos)
            text.replace(at, 2, argument);
        return text;
    }
};

}  // namespace tessaran
