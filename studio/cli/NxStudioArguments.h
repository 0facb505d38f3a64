#pragma once

#include <QStringList>

#include <memory>

class QTemporaryDir;

// The program's arguments as text. An argument whose bytes are not text in
// the locale's encoding (a file name holding byte 0xff where names are UTF-8)
// does not survive decoding and would name no file; when it names one, it
// becomes the path of a symbolic link to that file under a name that is text,
// in a private temporary folder that lasts as long as this object. What is
// made from the file is then named after the link.
class NxStudioArguments
{
public:
    // Those after the program's name, once Qt has taken its own out of argv.
    NxStudioArguments(int argc, char* argv[]);
    ~NxStudioArguments();
    NxStudioArguments(const NxStudioArguments&) = delete;
    NxStudioArguments& operator=(const NxStudioArguments&) = delete;

    const QStringList& list() const { return m_list; }

private:
    QString reachable(const QByteArray& argument);

    QStringList m_list;
    std::unique_ptr<QTemporaryDir> m_links;
    int m_linked = 0;
};
