#include "windowmessages.h"

#include <array>

namespace zimo::windowmsg
{

QString title() { return QStringLiteral("Zimo"); }

QString titleWithProgram(const QString& name) { return QStringLiteral("Zimo – ") + name; }

QString newPage() { return QStringLiteral("Jauna lapa"); }
QString save() { return QStringLiteral("Saglabāt"); }
QString runProgram() { return QStringLiteral("Startēt programmu"); }
QString stopProgram() { return QStringLiteral("Apturēt programmu"); }
QString clearPage() { return QStringLiteral("Notīrīt lapu"); }
QString clearText() { return QStringLiteral("Notīrīt komandu logu"); }

QString sampleTooltip(int index)
{
    static constexpr std::array<QStringView, 10> Tips { u"Trīslapu zieds", u"Pieclapu zieds",
        u"Četrstūris", u"Piecstūris", u"Sešstūris", u"Sīnusoīda", u"Piecstaru zvaigzne",
        u"Septiņstaru zvaigzne", u"Stari", u"Spirāle" };
    if (index < 0 || index >= int(Tips.size()))
        return {};
    return Tips[size_t(index)].toString();
}

QString lineThickness() { return QStringLiteral("Līnijas biezums"); }
QString lineStyle() { return QStringLiteral("Līnijas stils"); }
QString colourCaption() { return QStringLiteral("Krāsa"); }
QString colourTooltip() { return QStringLiteral("Krāsa līnijām"); }

QString helpStart() { return QStringLiteral("..."); }
QString angleStart() { return QStringLiteral("Lenķis"); }
QString coordinateStart() { return QStringLiteral("Koordinātas"); }
QString pointerStart() { return QStringLiteral("Kursora koordinātas "); }
QString pointerAt(int x, int y) { return pointerStart() + QStringLiteral("%1:%2").arg(x).arg(y); }

QString firstColour() { return QStringLiteral("1.krāsa"); }
QString ok() { return QStringLiteral("Labi"); }
QString cancel() { return QStringLiteral("Atcelt"); }

QString pageName() { return QStringLiteral("Zīmēšanas lapa"); }
QString textBoxName() { return QStringLiteral("Programma"); }
QString helpAreaName() { return QStringLiteral("Komandas paskaidrojums"); }
QString statusRowName() { return QStringLiteral("Stāvokļa josla"); }
QString colourPanelName() { return QStringLiteral("Krāsas izvēle"); }
QString colourBoxName(int number) { return QStringLiteral("%1. krāsa").arg(number); }
QString colourPreviewName() { return QStringLiteral("Izvēlētā krāsa"); }
QString styleSampleName(int number) { return QStringLiteral("%1. stils").arg(number); }
QString thicknessPreview() { return QStringLiteral("Biezuma paraugs"); }

QString fileMenu() { return QStringLiteral("&Fails"); }
QString newProgram() { return QStringLiteral("&Jauns"); }
QString load() { return QStringLiteral("&Ielādēt"); }
QString saveMenu() { return QStringLiteral("&Saglabāt"); }
QString savePicture() { return QStringLiteral("Saglabāt &attēlu..."); }
QString exportMenu() { return QStringLiteral("&Eksportēt"); }
QString exportPdf() { return QStringLiteral("&PDF..."); }
QString exportSvg() { return QStringLiteral("&SVG..."); }
QString exportAnimation() { return QStringLiteral("&Animāciju (GIF)..."); }
QString print() { return QStringLiteral("&Drukāt..."); }
QString printPreview() { return QStringLiteral("Drukas p&riekšskatījums"); }
QString restorePrevious() { return QStringLiteral("Atjaunot iepriekšējo &programmu"); }
QString saveAs() { return QStringLiteral("Saglabāt &kā..."); }
QString quit() { return QStringLiteral("I&ziet"); }
QString help() { return QStringLiteral("&Palīdzība"); }
QString programMenu() { return QStringLiteral("P&rogramma"); }
QString start() { return QStringLiteral("&Startēt"); }
QString stop() { return QStringLiteral("&Apturēt"); }
QString viewMenu() { return QStringLiteral("&Skats"); }
QString scaleMenu() { return QStringLiteral("&Mērogs"); }
QString scaleStep(int percent) { return QStringLiteral("%1 %").arg(percent); }
QString zoomIn() { return QStringLiteral("&Palielināt"); }
QString zoomOut() { return QStringLiteral("Sa&mazināt"); }

QString editMenu() { return QStringLiteral("&Labot"); }
QString undo() { return QStringLiteral("Atsaukt"); }
QString redo() { return QStringLiteral("Atcelt atsaukšanu"); }
QString copyDrawing() { return QStringLiteral("Kopēt &zīmējumu"); }

QString helpTitle() { return QStringLiteral("Zimo — palīdzība"); }
QString helpSearch() { return QStringLiteral("Meklē komandu…"); }
QString helpInsert() { return QStringLiteral("Ievietot programmā"); }
QString helpInsertTip() { return QStringLiteral("Pievieno piemēra rindu programmas beigās"); }
QString helpNothingFound() { return QStringLiteral("Tādas komandas nav. Pamēģini citu vārdu!"); }
QString helpForm() { return QStringLiteral("Kā raksta:"); }
QString helpExample() { return QStringLiteral("Piemērs:"); }
QString helpPicture() { return QStringLiteral("Ko zīmē piemērs"); }

QString applyProposal()
{
    return QStringLiteral("Klikšķini, un rinda tiks izlabota (vai spied Ctrl+.)");
}

} // namespace zimo::windowmsg
