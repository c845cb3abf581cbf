#include "state/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace WholeFile {

QString describe(const QFileDevice& file, const QString& path) {
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    QString what;
    switch (file.error()) {
    case QFileDevice::OpenError:
        if (!info.absoluteDir().exists())
            what = u"нет папки "_s + QDir::toNativeSeparators(info.absolutePath());
        else if (!qobject_cast<const QSaveFile*>(&file) && !info.exists())
            what = u"нет файла "_s + shown;
        else
            what = u"файл не открывается: "_s + shown;
        break;
    case QFileDevice::ReadError:
        what = u"файл не читается: "_s + shown;
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        what = u"файл не записывается (может быть, диск полон): "_s + shown;
        break;
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
        what = u"файл не удалось заменить: "_s + shown;
        break;
    default:
        what = u"ошибка файла "_s + shown;
        break;
    }
    return what + u" ("_s + file.errorString() + u')';
}

Outcome write(const QString& path, const QByteArray& bytes,
              const std::function<Outcome()>& beforeReplacing) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return describe(file, path);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = describe(file, path);
        file.cancelWriting();
        return error;
    }
    if (beforeReplacing)
        if (Outcome error = beforeReplacing()) {
            file.cancelWriting();
            return error;
        }
    if (!file.commit())
        return describe(file, path);
    return std::nullopt;
}

} // namespace WholeFile
