// The settings file beside the configuration record, in the INI format of Qt's settings class.
#include "shell/ui/ini_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace orb::ini {

namespace {
const QString kPictureSizeKey = QStringLiteral("Picture/Size");
const QString kHelpGeometryKey = QStringLiteral("Help/Geometry");
}

ReadResult read(const QString& path)
{
    ReadResult result;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || !info.isReadable())
        return result;
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return result;
    const QString stored = file.value(kPictureSizeKey).toString();
    const std::optional<picture::Size> size = picture::parse(stored.toStdString());
    if (!size)
        return result;
    result.settings.pictureSize = *size;
    // A place that is not one is ignored: the help window then opens centred.
    if (const QVariant place = file.value(kHelpGeometryKey); place.typeId() == QMetaType::QByteArray)
        result.settings.helpGeometry = place.toByteArray();
    result.sound = true;
    return result;
}

bool write(const QString& path, const Settings& settings, bool wasSound)
{
    // A damaged file is not merged with: what it held is dropped with it.
    if (!wasSound && QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    QSettings file(path, QSettings::IniFormat);
    file.setValue(kPictureSizeKey, QString::fromUtf8(picture::name(settings.pictureSize).data(),
                                                     static_cast<int>(picture::name(settings.pictureSize).size())));
    if (!settings.helpGeometry.isEmpty())
        file.setValue(kHelpGeometryKey, settings.helpGeometry);
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace orb::ini
