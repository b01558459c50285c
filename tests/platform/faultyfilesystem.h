#pragma once

#include "platform/filesystem.h"

#include <cerrno>
#include <cstring>

namespace zimo::test
{

/// The real file system with faults switched on one by one: a disk that is full after some
/// bytes, a failing sync, rename or close, reads that fail after some bytes or give back
/// other bytes than the file holds.
struct FaultyFileSystem : FileSystem {
    /// Bytes the disk still takes; below zero: no limit.
    long long spaceLeft = -1;
    int syncError = 0;
    int renameError = 0;
    int closeError = 0;
    int mayWriteError = 0;
    /// Bytes a file gives before its reads fail with readError.
    long long readableBytes = -1;
    int readError = EIO;
    /// Changes the first byte read back, as another writer between write and read would.
    bool alterRead = false;
    int renames = 0;

    int mayWrite(const QByteArray& path) override
    {
        return mayWriteError ? -mayWriteError : FileSystem::mayWrite(path);
    }
    long long write(int fd, const char* data, std::size_t size) override
    {
        if (spaceLeft == 0)
            return -ENOSPC;
        if (spaceLeft > 0 && (long long)size > spaceLeft)
            size = std::size_t(spaceLeft);
        const long long n = FileSystem::write(fd, data, size);
        if (n > 0 && spaceLeft > 0)
            spaceLeft -= n;
        return n;
    }
    long long read(int fd, char* data, std::size_t size) override
    {
        if (readableBytes == 0)
            return -readError;
        if (readableBytes > 0 && (long long)size > readableBytes)
            size = std::size_t(readableBytes);
        const long long n = FileSystem::read(fd, data, size);
        if (n > 0 && readableBytes > 0)
            readableBytes -= n;
        if (n > 0 && alterRead) {
            data[0] = char(data[0] ^ 1);
            alterRead = false;
        }
        return n;
    }
    int sync(int fd) override { return syncError ? -syncError : FileSystem::sync(fd); }
    int close(int fd) override
    {
        const int result = FileSystem::close(fd);
        return closeError ? -closeError : result;
    }
    int rename(const QByteArray& from, const QByteArray& to) override
    {
        ++renames;
        return renameError ? -renameError : FileSystem::rename(from, to);
    }
};

} // namespace zimo::test
