#include "MainWindow.h"

#include "OsInterface.h"

#include <QDir>
#include <QFile>

namespace {
const QString ProgramFile = QStringLiteral("ForceBindIP.exe");
const QString LibraryFile = QStringLiteral("BindIP.dll");
} // namespace

QString MainWindow::systemDirectory() const
{
    const std::string directory = OsInterface::instance()->systemDirectory();
    if (directory.empty())
        return QString();
    return QString::fromLocal8Bit(directory.data(), static_cast<int>(directory.size())) + QDir::separator();
}

bool MainWindow::isForceBindIPInstalled() const
{
    const QString directory = systemDirectory();
    const bool program = QFile::exists(directory + ProgramFile);
    const bool library = QFile::exists(directory + LibraryFile);
    return program && library;
}

bool MainWindow::installForceBindIP()
{
    const QString directory = systemDirectory();
    // Never replaces a file already there: QFile::copy fails on an existing target.
    QFile::copy(appDir + ProgramFile, directory + ProgramFile);
    QFile::copy(appDir + LibraryFile, directory + LibraryFile);
    // Installed means both files are in place, however they got there.
    return isForceBindIPInstalled();
}
