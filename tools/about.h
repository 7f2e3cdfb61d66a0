#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class about;
}

// The about box: version, where to read more (the user manual, until the project has a web
// site), the translators, and the toolkit versions it was built with and runs with.
class about : public QDialog {
    Q_OBJECT

public:
    explicit about(QWidget* parent = nullptr);
    ~about() override;

private:
    std::unique_ptr<Ui::about> ui;
};
