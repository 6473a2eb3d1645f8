// Start and exit of the real main window (offscreen) with large settings files:
//   - 10,000 profiles in Tolvaris.ini (target: start under 1 s);
//   - a 10 MB Default.ini (target: start under 0.5 s, exit with one write).
// "Start" is the main window made and shown with its settings loaded; the writes of
// each file are counted with inotify (a finished write or a rename onto the name).
#include "settings/ProfileList.h"
#include "settings/SettingsFile.h"
#include "shell/TfrmMainChess.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Counts the completed writes of each file in one folder.
class WriteCounter
{
public:
    explicit WriteCounter(const QString& folder)
        : m_fd(inotify_init1(IN_NONBLOCK)),
          m_watch(inotify_add_watch(m_fd, QFile::encodeName(folder).constData(),
                                    IN_CLOSE_WRITE | IN_MOVED_TO))
    {
    }
    ~WriteCounter() { ::close(m_fd); }

    int writesOf(const QString& name)
    {
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t got; (got = ::read(m_fd, buffer, sizeof(buffer))) > 0;) {
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0)
                    ++m_counts[QString::fromLocal8Bit(event->name)];
                at += sizeof(inotify_event) + event->len;
            }
        }
        return m_counts.value(name);
    }

private:
    int m_fd;
    int m_watch;
    QHash<QString, int> m_counts;
};

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// Makes and shows the main window as the program does; returns the seconds it took.
double startWindow(const QString& folder, std::unique_ptr<TfrmMainChess>& window)
{
    QElapsedTimer timer;
    timer.start();
    window = std::make_unique<TfrmMainChess>(folder + u'/');
    window->show();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e9;
}

void manyProfiles()
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QByteArray shared = "[Profiles]\r\nDoNotShow=1\r\nCount=10000\r\nLast=Player05000\r\n";
    for (int n = 1; n <= 10000; ++n)
        shared += "Name" + QByteArray::number(n) + "=Player" +
                  QByteArray::number(10000 - n).rightJustified(5, '0') + "\r\n";
    writeFile(dir.filePath("Tolvaris.ini"), shared);
    WriteCounter writes(dir.path());
    std::unique_ptr<TfrmMainChess> window;
    const double seconds = startWindow(dir.path(), window);
    std::printf("10,000 profiles: start %.3f s (target: under 1 s), Tolvaris.ini written %d times\n",
                seconds, writes.writesOf("Tolvaris.ini"));
    window->exitProgram();
}

void largeProfileFile()
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    writeFile(dir.filePath("Tolvaris.ini"), "[Profiles]\r\nDoNotShow=1\r\n");
    // Sections of a profile that has grown over years: many keys nobody reads at start.
    QByteArray profile = "[Quodlin]\r\nMaximized=0\r\nWidth=900\r\nHeight=600\r\n";
    for (int section = 0; profile.size() < 10 * 1024 * 1024; ++section) {
        profile += "[Chat Form " + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 100; ++key)
            profile += "Filter" + QByteArray::number(key) + "=some remembered text of a window " +
                       QByteArray::number(section * 100 + key) + "\r\n";
    }
    writeFile(dir.filePath("Default.ini"), profile);
    WriteCounter writes(dir.path());
    std::unique_ptr<TfrmMainChess> window;
    const double seconds = startWindow(dir.path(), window);
    const int atStart = writes.writesOf("Default.ini");
    QElapsedTimer timer;
    timer.start();
    window->exitProgram();
    const double exitSeconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%.1f MB Default.ini: start %.3f s (target: under 0.5 s), %d writes at start; "
                "exit %.3f s with %d write(s) (target: one)\n",
                double(profile.size()) / 1e6, seconds, atStart, exitSeconds,
                writes.writesOf("Default.ini") - atStart);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QDir::currentPath();
    manyProfiles();
    largeProfileFile();
    QDir::setCurrent(folder);
    return 0;
}
