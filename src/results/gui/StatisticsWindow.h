#pragma once
// The statistics window `stat`: the fixed-width statistics table of the current
// mode's results file with its two heading lines and the total, and the list menu
// that prints it or writes it to a text file. Esc and OK close it; F1 asks for the
// help section of the statistics. A damaged file shows what was read before the
// damage; when the text gets the focus, message 30 is shown and the window closes.
//   StatisticsWindow window(s, platform, folder.filePath(s.resultsFile), this);
//   window.setHelpHook(help);
//   window.exec();
#include "results/StatisticsForm.h"
#include "results/gui/ListOutput.h"
#include "ui/gui/ControlBinder.h"
#include <QDialog>
#include <functional>

class FormCanvas;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(const GameState& s, Platform& platform, const QString& resultsPath, QWidget* parent = nullptr);

    void setHelpHook(std::function<void(int helpTopic)> hook);
    const StatisticsForm& form() const { return m_form; }
    ListOutput& listOutput() { return m_output; }
    QPlainTextEdit* textBox() const { return m_szov; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListDocument buildList(ListTarget target, const QString& today) const;

    Platform& m_platform;
    StatisticsForm m_form;
    ListOutput m_output;
    std::function<void(int)> m_help;
    FormCanvas* m_canvas = nullptr;
    ControlBinder m_binder;
    QPlainTextEdit* m_szov = nullptr;
};
