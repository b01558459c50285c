#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QListWidget;
class QPushButton;

namespace zimo
{

struct RecoveryEntry;

/// The dialog of "Fails → Atjaunot...": the kept versions newest first, each with its time
/// and first line. It reads and opens nothing itself: "Atvērt" (or a double click) asks for
/// the chosen version, and whoever opens it hides the dialog. It never blocks the main window.
class RestoreDialog : public QDialog
{
    Q_OBJECT
public:
    explicit RestoreDialog(QWidget* parent);

    /// Lists entries (newest first); the first is selected.
    void showEntries(const QList<RecoveryEntry>& entries);
    QListWidget* list() const { return m_list; }

signals:
    void restoreRequested(const QString& path);

private:
    void openChosen();

    QListWidget* m_list;
    QPushButton* m_open;
};

} // namespace zimo
