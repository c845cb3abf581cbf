#include "state/WholeFile.h"

#include <QSaveFile>

namespace WholeFile {

Outcome write(const QString& path, const QByteArray& bytes,
              const std::function<Outcome()>& beforeReplacing) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (beforeReplacing)
        if (Outcome error = beforeReplacing()) {
            file.cancelWriting();
            return error;
        }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace WholeFile
