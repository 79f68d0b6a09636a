#include "shell/settings_value_text.h"

#include <QStringDecoder>
#include <algorithm>
#include <iterator>

namespace vantrel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

bool IsHexDigit(char16_t c) {
    return c < 0x80 && DigitValue(static_cast<char>(c), 16) >= 0;
}

// What a backslash and a letter stand for. Qt reads a backslash before "?" and "'" but writes
// both characters as they are.
struct NamedEscape {
    char letter;
    char16_t character;
    bool written;
};

constexpr NamedEscape kNamedEscapes[] = {
    {'a', '\a', true}, {'b', '\b', true},   {'f', '\f', true},  {'n', '\n', true},
    {'r', '\r', true}, {'t', '\t', true},   {'v', '\v', true},  {'"', '"', true},
    {'?', '?', false}, {'\'', '\'', false}, {'\\', '\\', true},
};

const NamedEscape* EscapeNamedBy(char letter) {
    const auto found = std::find_if(std::begin(kNamedEscapes), std::end(kNamedEscapes),
                                    [letter](const NamedEscape& e) { return e.letter == letter; });
    return found == std::end(kNamedEscapes) ? nullptr : found;
}

const NamedEscape* EscapeWrittenFor(char16_t c) {
    const auto found =
        std::find_if(std::begin(kNamedEscapes), std::end(kNamedEscapes),
                     [c](const NamedEscape& e) { return e.written && e.character == c; });
    return found == std::end(kNamedEscapes) ? nullptr : found;
}

// Reads the text after "key=" as Qt's INI reader does: blanks around it go unless quoted or
// escaped, quotes group, backslashes escape, a backslash before a line break joins the lines,
// and an unquoted comma makes a list.
class ValueReader {
  public:
    explicit ValueReader(QByteArrayView written) : m_written(written) {}

    std::optional<QString> Read() {
        SkipBlanks();
        while (m_at < m_written.size()) {
            const char c = m_written[m_at];
            if (c == '\\') {
                ReadEscape();
            } else if (c == '"') {
                ReadQuote();
            } else if (c == ',' && !m_inQuotes) {
                return std::nullopt;
            } else {
                ReadRun();
            }
        }
        if (!m_quoted) {
            ChopTrailingBlanks();
        }
        return m_text;
    }

  private:
    void SkipBlanks() {
        while (m_at < m_written.size() && IsBlank(m_written[m_at])) {
            ++m_at;
        }
        m_keepFrom = m_text.size();
    }

    void ReadEscape() {
        ++m_at;
        if (m_at == m_written.size()) {
            return;
        }
        const char c = m_written[m_at++];
        if (const NamedEscape* named = EscapeNamedBy(c)) {
            m_text += QChar(named->character);
        } else if (c == 'x') {
            ReadCode(16);
        } else if (DigitValue(c, 8) >= 0) {
            --m_at;
            ReadCode(8);
        } else if (c == '\n' || c == '\r') {
            SkipPairedLineBreak(c);
        }
        m_keepFrom = m_text.size();
    }

    // A character given by its code: as many digits of the base as follow.
    void ReadCode(int base) {
        if (m_at == m_written.size() || DigitValue(m_written[m_at], base) < 0) {
            return;
        }
        char16_t code = 0;
        for (int digit = 0;
             m_at < m_written.size() && (digit = DigitValue(m_written[m_at], base)) >= 0; ++m_at) {
            code = static_cast<char16_t>(code * base + digit);
        }
        m_text += QChar(code);
    }

    void SkipPairedLineBreak(char first) {
        if (m_at < m_written.size()) {
            const char second = m_written[m_at];
            if ((second == '\n' || second == '\r') && second != first) {
                ++m_at;
            }
        }
    }

    void ReadQuote() {
        ++m_at;
        m_quoted = true;
        m_inQuotes = !m_inQuotes;
        if (!m_inQuotes) {
            SkipBlanks();
        }
    }

    // Plain bytes up to the next backslash, quote or comma, as UTF-8.
    void ReadRun() {
        qsizetype end = m_at + 1;
        while (end < m_written.size() && m_written[end] != '\\' && m_written[end] != '"' &&
               m_written[end] != ',') {
            ++end;
        }
        m_text += m_utf8(m_written.sliced(m_at, end - m_at));
        m_at = end;
    }

    void ChopTrailingBlanks() {
        qsizetype size = m_text.size();
        while (size > m_keepFrom && (m_text[size - 1] == u' ' || m_text[size - 1] == u'\t')) {
            --size;
        }
        m_text.truncate(size);
    }

    QByteArrayView m_written;
    qsizetype m_at = 0;
    QString m_text;
    // Blanks before this position were escaped or quoted and stay.
    qsizetype m_keepFrom = 0;
    bool m_inQuotes = false;
    bool m_quoted = false;
    QStringDecoder m_utf8{QStringDecoder::Utf8};
};

QString HexEscape(char16_t c) {
    return QStringLiteral("\\x") + QString::number(c, 16);
}

}  // namespace

std::optional<QString> ReadValueText(QByteArrayView written) {
    std::optional<QString> text = ValueReader(written).Read();
    if (!text || !text->startsWith(u'@')) {
        return text;
    }
    if (text->startsWith(QLatin1String("@@"))) {
        return text->sliced(1);
    }
    return std::nullopt;
}

QByteArray WriteValueText(const QString& value) {
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QString escaped;
    // A hex digit right after a character's code would be read as part of it.
    bool codeOpen = false;
    for (const QChar character : text) {
        const char16_t c = character.unicode();
        if (codeOpen && IsHexDigit(c)) {
            escaped += HexEscape(c);
            continue;
        }
        codeOpen = false;
        if (const NamedEscape* named = EscapeWrittenFor(c)) {
            escaped += u'\\';
            escaped += QLatin1Char(named->letter);
        } else if (c == 0) {
            escaped += QStringLiteral("\\0");
            codeOpen = true;
        } else if (c <= 0x1F) {
            escaped += HexEscape(c);
            codeOpen = true;
        } else {
            escaped += character;
        }
    }
    const bool quoted = text.contains(u';') || text.contains(u',') || text.contains(u'=') ||
                        escaped.startsWith(u' ') || escaped.endsWith(u' ');
    const QByteArray bytes = escaped.toUtf8();
    return quoted ? '"' + bytes + '"' : bytes;
}

}  // namespace vantrel
