"""A scratch copy of the built program folder whose port COM1 is a pseudo-terminal.

The program then opens its port as with a board attached, so no message box waits at start-up.
Nothing answers on the terminal: for scripts that only need the window.
"""
import contextlib
import os
import shutil
import tempfile


@contextlib.contextmanager
def program_copy(program):
    """Yields the path of the copy; the copy and the terminal are gone afterwards."""
    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "program")
        shutil.copytree(program, folder, symlinks=True)
        master, slave = os.openpty()
        try:
            link = os.path.join(folder, "設定", "COM1")
            if os.path.lexists(link):
                os.remove(link)
            os.symlink(os.ttyname(slave), link)
            yield folder
        finally:
            os.close(master)
            os.close(slave)
