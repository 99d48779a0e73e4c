"""What the desktop checks share: a log line at once, and waiting for a
condition with a time limit."""
import time


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


def wait_until(what, probe, timeout, step=0.05):
    """Polls probe() until it returns something true; fails after timeout."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(step)
