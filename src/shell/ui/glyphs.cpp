// The shared glyphs of menus and tool bars, and the glyphs of the windows' own buttons.
#include "shell/ui/glyphs.h"

#include <QFile>
#include <array>

namespace orb {

QIcon glyph(int index)
{
    static std::array<QIcon, kGlyphCount> cache;
    if (index < 0 || index >= kGlyphCount)
        return {};
    QIcon& icon = cache[static_cast<std::size_t>(index)];
    if (icon.isNull()) {
        const QString base = QStringLiteral(":/glyphs/%1").arg(index, 2, 10, QLatin1Char('0'));
        icon.addFile(base + QStringLiteral(".png"));
        if (QFile::exists(base + QStringLiteral("@2x.png")))
            icon.addFile(base + QStringLiteral("@2x.png"));
    }
    return icon;
}

QIcon buttonGlyph(const QString& name)
{
    const QString base = QStringLiteral(":/glyphs/buttons/") + name;
    QIcon icon(base + QStringLiteral(".png"));
    if (QFile::exists(base + QStringLiteral("@2x.png")))
        icon.addFile(base + QStringLiteral("@2x.png"));
    return icon;
}

}  // namespace orb
