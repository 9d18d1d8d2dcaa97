#pragma once
// Option parsing for the batch commands of both programs, on top of getopt_long.
// Header-only so that gridsmith and lexiforge share it at compile time without
// linking each other's libraries.

#include <getopt.h>

#include <map>
#include <string>
#include <vector>

namespace tessaran {

struct OptionSpec {
    std::string name;       // long name without the dashes ("output")
    char shortName = 0;     // 0: no short form
    bool takesValue = false;
};

struct ParsedCommandLine {
    std::map<std::string, std::vector<std::string>> options;  // every value, in order given
    std::vector<std::string> positional;
    std::string error;  // empty on success; otherwise a one-line message for the user

    bool ok() const { return error.empty(); }
    bool has(const std::string& name) const { return options.count(name) != 0; }
    // The last value given for the option, or fallback when it was not given.
    std::string value(const std::string& name, const std::string& fallback = {}) const {
        auto it = options.find(name);
        return it == options.end() || it->second.empty() ? fallback : it->second.back();
    }
    std::vector<std::string> values(const std::string& name) const {
        auto it = options.find(name);
        return it == options.end() ? std::vector<std::string>{} : it->second;
    }
};

// Parses args (the program name not included). Options and positional arguments may be
// mixed; "--" ends the options. Never prints: errors come back in the result.
inline ParsedCommandLine parseCommandLine(const std::vector<std::string>& args,
                                          const std::vector<OptionSpec>& specs) {
    ParsedCommandLine result;
    std::vector<option> longOptions;
    std::string shortOptions = ":";  // leading ':' reports a missing value as ':'
    for (size_t i = 0; i < specs.size(); ++i) {
        longOptions.push_back(option{specs[i].name.c_str(),
                                     specs[i].takesValue ? required_argument : no_argument,
                                     nullptr, static_cast<int>(256 + i)});
        if (specs[i].shortName) {
            shortOptions += specs[i].shortName;
            if (specs[i].takesValue) shortOptions += ':';
        }
    }
    longOptions.push_back(option{nullptr, 0, nullptr, 0});

    std::vector<std::string> storage;
    storage.reserve(args.size() + 1);
    storage.push_back("program");
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);

    optind = 0;  // glibc: a full reset, so the parser can run more than once per process
    opterr = 0;
    const int argc = static_cast<int>(storage.size());
    for (;;) {
        int index = -1;
        const int c = getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(),
                                  &index);
        if (c == -1) break;
        if (c == '?' || c == ':') {
            const std::string given = optind > 0 && optind <= argc ? argv[optind - 1] : "";
            std::string shown = optopt ? std::string("-") + static_cast<char>(optopt) : given;
            if (optopt >= 256 && optopt - 256 < static_cast<int>(specs.size()))
                shown = "--" + specs[optopt - 256].name;
            result.error = c == ':' ? "option " + shown + " needs a value"
                                    : "unknown option " + shown;
            return result;
        }
        const OptionSpec* spec = nullptr;
        if (c >= 256) {
            spec = &specs[c - 256];
        } else {
            for (const auto& s : specs)
                if (s.shortName == c) spec = &s;
        }
        if (!spec) continue;
        auto& list = result.options[spec->name];
        list.push_back(spec->takesValue && optarg ? std::string(optarg) : std::string());
    }
    for (int i = optind; i < argc; ++i) result.positional.push_back(argv[i]);  // permuted
    return result;
}

}  // namespace tessaran
