#include "CKorvaleDoc.h"

#include <QFile>

#include "FileError.h"

QString CKorvaleDoc::OnOpenDocument(const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) return {};
  using korvale::FileErrorCause;
  const FileErrorCause cause = !file.exists() ? FileErrorCause::NotFound
                               : file.error() == QFileDevice::OpenError
                                   ? FileErrorCause::AccessDenied
                                   : FileErrorCause::Unknown;
  return QString::fromStdString(korvale::FileError(cause, path.toStdString()).Message());
}
