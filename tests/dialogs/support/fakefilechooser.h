#pragma once
// Answers the file-open page from a queue, and remembers what each call asked for.

#include "host/filechooser.h"

#include <QList>
#include <QStringList>

namespace halvane::test {

class FakeFileChooser final : public FileChooser {
public:
    struct Request {
        QString folder;
        QString filter;
    };

    QStringList answers; // taken from the front; an empty queue answers "cancelled"
    QList<Request> requests;

    QString openFile(QWidget*, const QString& folder, const QString& filter) override {
        requests.append({folder, filter});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

} // namespace halvane::test
