#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One viewer per list file: a viewer started while another shows the same
// list hands the request over (the running one reads the list again and comes
// to the front) and ends. The channel is a local socket named after the list
// file, so viewers of other data folders (and the test suites') never meet.
class ViewerInstance : public QObject
{
    Q_OBJECT

public:
    explicit ViewerInstance(const QString& listFile, QObject* parent = nullptr);
    ~ViewerInstance() override;

    // Asks a running viewer to show the list again; true when it answered
    // that it did.
    bool HandOver(int timeoutMs = 3000) const;
    // Starts answering later viewers; false when another viewer answers
    // already (hand over to it) or the socket cannot be made (work alone).
    bool Listen();

    QString ServerName() const { return m_name; }

Q_SIGNALS:
    // A later viewer asked this one to show the list again.
    void ListRequested();

private:
    void Answer();

    QString m_name;
    QLocalServer* m_server = nullptr;
};
