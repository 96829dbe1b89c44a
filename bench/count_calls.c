/*
 * Loaded into a measured program with LD_PRELOAD, this counts what the benchmark asks about:
 * heap allocations before and after the program's first write to standard output (its start-up
 * ends there), and the write calls to standard output. At exit it writes the counts and the
 * program's peak resident memory, as "allocations-at-start allocations-after writes bytes
 * peak-kib", to the file named by GRIMSTEP_BENCH_COUNTS. Allocations pass on to glibc's own
 * functions. The peak is read here, from the program itself, because the one that wait4 reports
 * also counts the parent's memory when the child was started with vfork, as posix_spawn does.
 */
#include <errno.h>
#include <fcntl.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <unistd.h>

/* glibc's allocator under its own, reserved names. */
/* NOLINTBEGIN(bugprone-reserved-identifier,readability-identifier-naming) */
extern void *__libc_malloc(size_t size);
extern void *__libc_calloc(size_t count, size_t size);
extern void *__libc_realloc(void *old, size_t size);
extern void *__libc_memalign(size_t alignment, size_t size);
/* NOLINTEND(bugprone-reserved-identifier,readability-identifier-naming) */

static unsigned long allocationsAtStart;
static unsigned long allocationsAfter;
static unsigned long outputWrites;
static unsigned long outputBytes;

static void countAllocation(void) {
    if (outputWrites == 0) {
        ++allocationsAtStart;
    } else {
        ++allocationsAfter;
    }
}

/* The functions stood in for; glibc declares their parameters under reserved names. */
/* NOLINTBEGIN(readability-inconsistent-declaration-parameter-name) */
void *malloc(size_t size) {
    countAllocation();
    return __libc_malloc(size);
}

void *calloc(size_t count, size_t size) {
    countAllocation();
    return __libc_calloc(count, size);
}

void *realloc(void *old, size_t size) {
    countAllocation();
    return __libc_realloc(old, size);
}

void *memalign(size_t alignment, size_t size) {
    countAllocation();
    return __libc_memalign(alignment, size);
}

void *aligned_alloc(size_t alignment, size_t size) { return memalign(alignment, size); }

int posix_memalign(void **result, size_t alignment, size_t size) {
    void *memory = memalign(alignment, size);
    if (memory == NULL) {
        return ENOMEM; /* returned, as posix_memalign does, not put in errno */
    }
    *result = memory;
    return 0;
}

ssize_t write(int fd, const void *bytes, size_t count) {
    const long written = syscall(SYS_write, fd, bytes, count);
    if (fd == STDOUT_FILENO) {
        ++outputWrites;
        outputBytes += written > 0 ? (unsigned long)written : 0;
    }
    return written;
}
/* NOLINTEND(readability-inconsistent-declaration-parameter-name) */

/* VmHWM from /proc/self/status, in KiB; 0 when it cannot be read. No heap is used. */
static unsigned long peakKibibytes(void) {
    static const char key[] = "VmHWM:";
    char status[4096];
    long length;
    int file = open("/proc/self/status", O_RDONLY);
    char *at;
    if (file < 0) {
        return 0;
    }
    length = read(file, status, sizeof status - 1);
    close(file);
    if (length <= 0) {
        return 0;
    }
    status[length] = '\0';
    at = strstr(status, key);
    return at == NULL ? 0 : strtoul(at + sizeof key - 1, NULL, 10);
}

__attribute__((destructor)) static void reportCounts(void) {
    const char *path = getenv("GRIMSTEP_BENCH_COUNTS");
    char line[128];
    int length;
    int file;
    if (path == NULL) {
        return;
    }
    length = snprintf(
        line,
        sizeof line,
        "%lu %lu %lu %lu %lu\n",
        allocationsAtStart,
        allocationsAfter,
        outputWrites,
        outputBytes,
        peakKibibytes());
    file = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (file >= 0 && length > 0) {
        syscall(SYS_write, file, line, (size_t)length);
        close(file);
    }
}
