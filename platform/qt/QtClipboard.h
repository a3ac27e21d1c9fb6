// The clipboard service on QClipboard: each format name becomes a MIME type of the
// program's own, so copies travel between running instances of the program.
#pragma once

#include "platform/Services.h"

#include <QString>

class QtClipboard : public IClipboard {
public:
    // "Kovel Format" is application/x-kovel-format; any other name N is
    // application/x-kovel- followed by N in lower case with blanks turned into '-'.
    static QString MimeTypeFor(const std::string& format);

    bool SetData(const std::string& format, const std::vector<uint8_t>& bytes) override;
    bool HasFormat(const std::string& format) const override;
    std::optional<std::vector<uint8_t>> GetData(const std::string& format) const override;
};
