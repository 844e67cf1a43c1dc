#pragma once

#include <QDialog>
#include <QPointer>

class FrameLess;
class QLabel;

// What the program's frameless dialogs share: no system frame or help
// button, the window title mirrored in the form's title label, the theme's
// style sheet on every show, and the fades of FrameLess on show and close.
class FramelessDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FramelessDialog(QWidget *parent = nullptr);
    ~FramelessDialog() override;

    FrameLess *frameLess() const { return m_frameLess; }

    // Closing fades out first; a second close during the fade is ignored.
    void done(int result) override;

protected:
    // Called after the form is set up.
    void attachTitleBar(QWidget *titleBar, QLabel *titleLabel);
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    FrameLess *m_frameLess;
    QPointer<QLabel> m_titleLabel;
    bool m_closing = false;
};
