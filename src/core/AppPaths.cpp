#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

AppPaths::AppPaths(QString programDir, QString baseName)
    : m_dir(QDir::cleanPath(QDir(programDir).absolutePath())), m_base(std::move(baseName))
{
}

AppPaths AppPaths::forRunningProgram()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return AppPaths(exe.absolutePath(), exe.completeBaseName());
}

QString AppPaths::settingsFile() const { return m_dir + QLatin1Char('/') + m_base + QStringLiteral(".ini"); }
QString AppPaths::languagesDir() const { return m_dir + QStringLiteral("/languages"); }
QString AppPaths::helpDir() const { return m_dir + QStringLiteral("/help"); }
QString AppPaths::templateDir() const { return m_dir + QStringLiteral("/Template"); }
QString AppPaths::filesDir() const { return m_dir + QStringLiteral("/Files"); }
QString AppPaths::categoryFile() const { return filesDir() + QStringLiteral("/zandolin.cat"); }
QString AppPaths::imageListFile() const { return filesDir() + QStringLiteral("/zandolin.til"); }
QString AppPaths::languageFile(const QString &language) const
{
    return languagesDir() + QLatin1Char('/') + language + QStringLiteral(".lang");
}
