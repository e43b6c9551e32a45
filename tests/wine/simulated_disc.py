#!/usr/bin/python3
"""A disc with faults for the Wine tests: mounted over a folder, it shows that
very folder and passes every change through, while its reads can fail, return
a wrong bit or come at a CD's pace.

    /usr/bin/python3 simulated_disc.py FOLDER FAULTS

mounts over FOLDER and returns once the mount is there (the file system goes
on in the background until it is unmounted: fusermount3 -u FOLDER). FAULTS is
a text file, read anew at every open, so that the faults can change between
discs without mounting again; it need not exist. One fault a line, paths
relative to FOLDER with forward slashes:

    scratch REL OFFSET   reads of REL that reach byte OFFSET fail with EIO
    flip REL [OFFSET]    every open of REL for reading after the first one
                         since FAULTS changed returns the byte at OFFSET
                         (default 0) with its lowest bit flipped
    rate N               every read of a file is paced to N bytes a second

Mounted with direct_io, so that no page cache answers a read in its place.
"""
import errno
import os
import sys
import threading
import time

from fusepy import FUSE, FuseOSError, Operations


READ_AHEAD = 256 * 1024  # bytes a paced drive has ready after a pause


class Faults:
    def __init__(self, text):
        self.scratch, self.flip, self.rate = {}, {}, 0
        for line in text.splitlines():
            words = line.split()
            if len(words) == 3 and words[0] == 'scratch':
                self.scratch[words[1]] = int(words[2])
            elif len(words) in (2, 3) and words[0] == 'flip':
                self.flip[words[1]] = int(words[2]) if len(words) == 3 else 0
            elif len(words) == 2 and words[0] == 'rate':
                self.rate = int(words[1])


class OpenFile:
    def __init__(self, fd, scratch=None, flip=None):
        self.fd, self.scratch, self.flip = fd, scratch, flip


class SimulatedDisc(Operations):
    use_ns = True

    def __init__(self, folder, faults_path):
        # Opened before mounting: paths below it reach the folder itself, not
        # the mount that will cover it.
        self.root = os.open(folder, os.O_RDONLY | os.O_DIRECTORY)
        self.faults_path = faults_path
        self.lock = threading.Lock()
        self.faults_text = None
        self.faults = Faults('')
        self.opens = {}       # opens for reading per path since FAULTS changed
        self.files = {}       # handle -> OpenFile
        self.next_handle = 1
        self.busy_until = 0.0  # when the paced drive has delivered what it owes

    def real(self, path):
        return '/proc/self/fd/%d%s' % (self.root, path)

    # What the folder holds, passed through.
    def getattr(self, path, fh=None):
        st = os.lstat(self.real(path))
        attrs = {k: getattr(st, k) for k in
                 ('st_mode', 'st_nlink', 'st_uid', 'st_gid', 'st_size', 'st_ino',
                  'st_blocks')}
        for k in ('st_atime', 'st_mtime', 'st_ctime'):
            attrs[k] = getattr(st, k + '_ns')
        return attrs

    def readdir(self, path, fh):
        return ['.', '..'] + os.listdir(self.real(path))

    def statfs(self, path):
        st = os.statvfs(self.real(path))
        return {k: getattr(st, k) for k in ('f_bsize', 'f_frsize', 'f_blocks', 'f_bfree',
                                            'f_bavail', 'f_files', 'f_ffree', 'f_namemax')}

    def readlink(self, path):
        return os.readlink(self.real(path))

    def getxattr(self, path, name, position=0):
        return os.getxattr(self.real(path), name, follow_symlinks=False)

    def listxattr(self, path):
        return os.listxattr(self.real(path), follow_symlinks=False)

    def setxattr(self, path, name, value, options, position=0):
        os.setxattr(self.real(path), name, value, options, follow_symlinks=False)

    def removexattr(self, path, name):
        os.removexattr(self.real(path), name, follow_symlinks=False)

    def mkdir(self, path, mode):
        os.mkdir(self.real(path), mode)

    def rmdir(self, path):
        os.rmdir(self.real(path))

    def unlink(self, path):
        os.unlink(self.real(path))

    def symlink(self, target, source):
        os.symlink(source, self.real(target))

    def rename(self, old, new):
        os.rename(self.real(old), self.real(new))

    def chmod(self, path, mode):
        os.chmod(self.real(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self.real(path), uid, gid, follow_symlinks=False)

    def utimens(self, path, times=None):
        if times:
            os.utime(self.real(path), ns=times, follow_symlinks=False)
        else:
            os.utime(self.real(path), follow_symlinks=False)

    def truncate(self, path, length, fh=None):
        if fh in self.files:
            os.ftruncate(self.files[fh].fd, length)
        else:
            os.truncate(self.real(path), length)

    # Files, with the faults decided at each open.
    def keep(self, entry):
        with self.lock:
            handle = self.next_handle
            self.next_handle += 1
            self.files[handle] = entry
        return handle

    def create(self, path, mode, fi=None):
        return self.keep(OpenFile(os.open(self.real(path), os.O_CREAT | os.O_RDWR, mode)))

    def open(self, path, flags):
        # O_DIRECT would ask aligned reads of the folder's own file system.
        fd = os.open(self.real(path), flags & ~(os.O_CREAT | os.O_EXCL | os.O_DIRECT))
        rel = path.lstrip('/')
        with self.lock:
            try:
                with open(self.faults_path, encoding='utf-8') as f:
                    text = f.read()
            except OSError:
                text = ''
            if text != self.faults_text:
                self.faults_text, self.faults, self.opens = text, Faults(text), {}
            faults = self.faults
            flip = None
            if flags & os.O_ACCMODE != os.O_WRONLY:
                self.opens[rel] = self.opens.get(rel, 0) + 1
                if rel in faults.flip and self.opens[rel] > 1:
                    flip = faults.flip[rel]
        return self.keep(OpenFile(fd, faults.scratch.get(rel), flip))

    def read(self, path, size, offset, fh):
        entry = self.files[fh]
        data = os.pread(entry.fd, size, offset)
        self.pace(len(data))
        if entry.scratch is not None and offset + len(data) > entry.scratch:
            raise FuseOSError(errno.EIO)
        if entry.flip is not None and offset <= entry.flip < offset + len(data):
            i = entry.flip - offset
            data = data[:i] + bytes([data[i] ^ 1]) + data[i + 1:]
        return data

    def pace(self, size):
        """Waits until one drive at the rate has delivered size more bytes. Like
        a real drive it reads ahead into a buffer while nobody asks, so the
        short gaps between one read and the next cost no time, and a reader
        that keeps asking gets the rate."""
        rate = self.faults.rate
        if rate <= 0:
            return
        with self.lock:
            start = max(time.monotonic() - READ_AHEAD / rate, self.busy_until)
            self.busy_until = start + size / rate
            done = self.busy_until
        time.sleep(max(0.0, done - time.monotonic()))

    def write(self, path, data, offset, fh):
        return os.pwrite(self.files[fh].fd, data, offset)

    def fsync(self, path, datasync, fh):
        os.fsync(self.files[fh].fd)

    def release(self, path, fh):
        with self.lock:
            entry = self.files.pop(fh)
        os.close(entry.fd)


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: simulated_disc.py FOLDER FAULTS')
    folder, faults = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    FUSE(SimulatedDisc(folder, faults), folder, foreground=False, allow_other=True,
         direct_io=True, nonempty=True, fsname='zolvane-disc', subtype='zolvane-disc')


if __name__ == '__main__':
    main()
