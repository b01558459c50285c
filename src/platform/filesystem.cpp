#include "filesystem.h"

#include <atomic>

namespace zimo
{

namespace
{

FileSystem& realFileSystem()
{
    static FileSystem system;
    return system;
}

// Runs read on the worker thread while the window thread may swap it in a test.
std::atomic<FileSystem*> current { nullptr };

} // namespace

FileSystem& fileSystem()
{
    FileSystem* chosen = current.load();
    return chosen ? *chosen : realFileSystem();
}

UseFileSystem::UseFileSystem(FileSystem& fileSystem)
    : m_previous(current.exchange(&fileSystem))
{
}

UseFileSystem::~UseFileSystem() { current.store(m_previous); }

} // namespace zimo
