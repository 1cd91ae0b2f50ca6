#include "programinfo.h"

#include "kelvaneversion.h"

#include "i18n/translations.h"

#include <cstdio>
#include <cstring>

namespace cli {

InfoRequest infoRequest(int argc, const char* const* argv) {
    if (argc < 2)
        return InfoRequest::None;
    const char* first = argv[1];
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0)
        return InfoRequest::Help;
    if (std::strcmp(first, "--version") == 0)
        return InfoRequest::Version;
    return InfoRequest::None;
}

std::optional<int> answerInfoRequest(int argc, const char* const* argv, const char* program,
                                     const char* usage) {
    return answerInfoRequest(argc, argv, program, {usage});
}

std::optional<int> answerInfoRequest(int argc, const char* const* argv, const char* program,
                                     std::initializer_list<const char*> usage) {
    switch (infoRequest(argc, argv)) {
    case InfoRequest::Help:
        for (const char* part : usage)
            std::fputs(i18n::translatedEarly(usageContext, part).toUtf8().constData(), stdout);
        return 0;
    case InfoRequest::Version:
        std::printf("%s %s\n", program, KELVANE_VERSION);
        return 0;
    case InfoRequest::None:
        break;
    }
    return std::nullopt;
}

} // namespace cli
