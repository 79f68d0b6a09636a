#include "shell/settings_file_format.h"

#include <QIODevice>
#include <QMap>
#include <vector>

#include "shell/settings_value_text.h"

namespace vantrel {

namespace {

// Far beyond the few hundred bytes the calculator writes; a larger file is not its own and
// reads as empty rather than being taken into memory.
constexpr qint64 kLargestFile = 1 << 20;

struct IniLine {
    QByteArrayView text;
    // Where the first "=" outside quotes is, or -1.
    qsizetype equals = -1;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// Cuts the file into lines as Qt's INI reader does: a line break inside quotes or after a
// backslash does not end a line, and ";" outside quotes starts a comment that runs to the end
// of the line.
class LineSplitter {
  public:
    explicit LineSplitter(QByteArrayView data) : m_data(data) {}

    std::vector<IniLine> Lines() {
        std::vector<IniLine> lines;
        while (SkipSpaces(), m_at < m_data.size()) {
            if (m_data[m_at] == ';') {
                SkipComment();
            } else {
                lines.push_back(NextLine());
            }
        }
        return lines;
    }

  private:
    void SkipSpaces() {
        while (m_at < m_data.size() && IsSpace(m_data[m_at])) {
            ++m_at;
        }
    }

    void SkipComment() {
        while (m_at < m_data.size() && !IsLineBreak(m_data[m_at])) {
            ++m_at;
        }
    }

    IniLine NextLine() {
        const qsizetype start = m_at;
        qsizetype equals = -1;
        bool inQuotes = false;
        for (; m_at < m_data.size(); ++m_at) {
            const char c = m_data[m_at];
            if ((IsLineBreak(c) || c == ';') && !inQuotes) {
                break;
            }
            if (c == '"') {
                inQuotes = !inQuotes;
            } else if (c == '=' && !inQuotes && equals < 0) {
                equals = m_at - start;
            } else if (c == '\\') {
                SkipEscaped();
            }
        }
        return {m_data.sliced(start, m_at - start), equals};
    }

    // The character after a backslash belongs to the line, a line break with its pair.
    void SkipEscaped() {
        if (m_at + 1 >= m_data.size()) {
            return;
        }
        const char escaped = m_data[++m_at];
        if (IsLineBreak(escaped) && m_at + 1 < m_data.size()) {
            const char next = m_data[m_at + 1];
            if (IsLineBreak(next) && next != escaped) {
                ++m_at;
            }
        }
    }

    QByteArrayView m_data;
    qsizetype m_at = 0;
};

// "[Calculator]" holds the keys "Calculator/…"; a "[" without "]" names the rest of the line.
QString SectionPrefix(QByteArrayView line) {
    QByteArrayView name = line.sliced(1);
    if (const qsizetype end = name.indexOf(']'); end >= 0) {
        name = name.first(end);
    }
    return QString::fromUtf8(name.trimmed()) + u'/';
}

bool ReadSettingsFile(QIODevice& device, QSettings::SettingsMap& map) {
    if (device.size() > kLargestFile) {
        return true;
    }
    const QByteArray data = device.readAll();
    QByteArrayView text(data);
    if (text.startsWith("\xEF\xBB\xBF")) {
        text = text.sliced(3);
    }
    QString section;
    for (const IniLine& line : LineSplitter(text).Lines()) {
        if (line.text.startsWith('[')) {
            section = SectionPrefix(line.text);
            continue;
        }
        const QByteArrayView key =
            line.equals < 0 ? QByteArrayView() : line.text.first(line.equals);
        if (key.trimmed().isEmpty()) {
            continue;
        }
        if (const auto value = ReadValueText(line.text.sliced(line.equals + 1))) {
            map.insert(section + QString::fromUtf8(key.trimmed()), *value);
        }
    }
    return true;
}

bool WriteSettingsFile(QIODevice& device, const QSettings::SettingsMap& map) {
    QMap<QString, QByteArray> sections;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        const qsizetype slash = entry.key().indexOf(u'/');
        const QString section = slash < 0 ? QStringLiteral("General") : entry.key().first(slash);
        sections[section] += entry.key().sliced(slash + 1).toUtf8() + '=' +
                             WriteValueText(entry.value().toString()) + '\n';
    }
    QByteArray file;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!file.isEmpty()) {
            file += '\n';
        }
        file += '[' + section.key().toUtf8() + "]\n" + section.value();
    }
    return device.write(file) == file.size();
}

}  // namespace

QSettings::Format SettingsFileFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), ReadSettingsFile, WriteSettingsFile);
    return format;
}

}  // namespace vantrel
