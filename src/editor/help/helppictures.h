#pragma once

#include <QImage>
#include <QStringList>

#include <memory>

namespace zimo
{

class Machine;
class RasterPage;

/// Draws the pictures of the help: each program is run by the core on a page of its own,
/// from the state the window has when it opens, and the part of the page around what was
/// drawn (and the turtle, where it ended) is cut out at the page's own size.
///
/// Owns the page and the machine, which are reused from one picture to the next.
class HelpPictures
{
public:
    HelpPictures();
    ~HelpPictures();

    /// The picture of the drawing that lines make, with the turtle on top.
    QImage draw(const QStringList& lines);

private:
    std::unique_ptr<RasterPage> m_page;
    std::unique_ptr<Machine> m_machine;
};

} // namespace zimo
