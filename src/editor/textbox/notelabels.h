#pragma once

#include <QLabel>

#include <vector>

namespace zimo
{

struct Hint;
class ProgramTextBox;

/// The hints of the line the cursor is on, shown over the help area: each message, with
/// its proposal as a link that puts the proposal in place.
class HintView : public QLabel
{
public:
    explicit HintView(QWidget* helpArea);

    /// Shows the hints; hides the view when there are none.
    void showHints(const std::vector<Hint>& hints);
};

/// The message of the run that stopped with an error, kept readable below the program
/// text; the text box keeps the room for it free while it is shown.
class RunErrorNote : public QLabel
{
public:
    explicit RunErrorNote(ProgramTextBox* box);

    void showMessage(const QString& message);
    void clearMessage();

private:
    void place();

    ProgramTextBox* m_box;
};

} // namespace zimo
