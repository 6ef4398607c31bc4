#ifndef VELKARO_TESTS_TESTFILES_H
#define VELKARO_TESTS_TESTFILES_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Writes bytes to path, its folder made first; returns the path. A test that
// cannot set up its own files stops at once.
inline QString writeFile(const QString& path, const QByteArray& bytes = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The file's bytes, or `absent` when it cannot be read.
inline QByteArray readFile(const QString& path, const QByteArray& absent = {})
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : absent;
}

#endif // VELKARO_TESTS_TESTFILES_H
