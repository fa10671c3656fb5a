// revealInFileManager() on macOS: Finder shows the file selected in a window of its folder.
// `open -R` asks Finder to, through Launch Services, and returns at once; started detached, a
// Finder that is slow to come up never holds the window. The path goes as one argument, with no
// shell between, and is absolute so that a name beginning with a dash cannot read as an option.
#include <QFileInfo>
#include <QProcess>

#include "app/Reveal.h"

namespace slotsmith {

bool revealInFileManager(const QString& filePath) {
  return QProcess::startDetached(QStringLiteral("/usr/bin/open"),
                                 {QStringLiteral("-R"), QFileInfo(filePath).absoluteFilePath()});
}

}  // namespace slotsmith
