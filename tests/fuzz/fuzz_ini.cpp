// libFuzzer target for the settings-file reader: any bytes as a file, then the
// reads and writes the client makes. Checks that a written value reads back
// and that writing one key never changes what another key reads.
#include "settings/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    IniDocument document(content);

    // The names come from the input too, so that real sections and keys are hit.
    const QList<QByteArray> words = content.left(64).split(' ');
    const QString section = QString::fromLocal8Bit(words.value(0));
    const QString key = QString::fromLocal8Bit(words.value(1));
    const QString otherKey = QString::fromLocal8Bit(words.value(2));

    document.value(section, key);
    const QStringList lines = document.sectionLines(section);
    require(lines.size() == document.keys(section).size());

    const std::optional<QString> otherBefore = document.value(section, otherKey);
    const QString written = QStringLiteral("v\r\nx=1");
    document.setValue(section, key, written);

    const IniDocument reread(document.toBytes());
    const std::optional<QString> back = reread.value(section, key);
    // Names that the reader trims or cannot hold on one line are not round trips.
    const bool plainNames = section == section.trimmed() && key == key.trimmed() &&
                            !key.isEmpty() && !key.contains(u'=') && !section.contains(u']') &&
                            !(section + key).contains(u'\r') && !(section + key).contains(u'\n') &&
                            !key.startsWith(u'[') && !section.isEmpty();
    if (plainNames) {
        require(back == QStringLiteral("v  x=1"));
        if (otherKey.compare(key, Qt::CaseInsensitive) != 0)
            require(reread.value(section, otherKey) == otherBefore);
    }
    document.eraseSection(section);
    require(!IniDocument(document.toBytes()).hasSection(section));
    return 0;
}
