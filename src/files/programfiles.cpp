#include "programfiles.h"

#include "programhost.h"

namespace zimo {

ProgramFiles::ProgramFiles(ProgramHost& host, QObject* parent)
    : QObject(parent)
    , m_host(host)
{
}

ProgramFiles::~ProgramFiles() = default;

QString ProgramFiles::programName() const { return {}; }
bool ProgramFiles::hasRecovery() const { return false; }
void ProgramFiles::keepForRecovery() { }
void ProgramFiles::openAtStart(const QString&) { }
void ProgramFiles::jauns_Click() { }
void ProgramFiles::new_analog_Click() { }
void ProgramFiles::ieladet_Click() { }
void ProgramFiles::saglabat_Click() { }
void ProgramFiles::save_analog_Click() { }
void ProgramFiles::iziet_Click() { }
void ProgramFiles::palidziba_Click() { }
void ProgramFiles::saveImage() { }
void ProgramFiles::restorePrevious() { }

} // namespace zimo
