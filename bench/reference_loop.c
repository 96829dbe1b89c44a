/*
 * The least a loop can do and still play GRIMSTEP, the yardstick of the benchmark. Every screen
 * is ready-made at build time (reference_screens.h, from the story), replies come through a
 * hand-rolled reader with the game's rules, and each screen leaves in one write call, straight
 * from the table. It prints what the game prints for the same replies; it never waits for a key,
 * since it is only ever run through pipes.
 */
#include "reference_screens.h"

#include <errno.h>
#include <stdint.h>
#include <string.h>
#include <unistd.h>

#define NOTHING_PENDING (-2)
#define END_OF_INPUT (-1)

enum ReplyKind { ReplyNumber, ReplyInvalid, ReplyEnd };

static unsigned char input[1 << 16];
static size_t inputLength;
static size_t inputTaken;
static int pending = NOTHING_PENDING;

static int peekByte(void) {
    if (pending != NOTHING_PENDING) {
        return pending;
    }
    while (inputTaken == inputLength) {
        const ssize_t count = read(STDIN_FILENO, input, sizeof input);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return pending = END_OF_INPUT;
        }
        inputLength = (size_t)count;
        inputTaken = 0;
    }
    return pending = input[inputTaken++];
}

static void takeByte(void) { pending = NOTHING_PENDING; }

static int isSpace(int c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
static int isDigit(int c) { return c >= '0' && c <= '9'; }

/* As "%d" reads, except that a line with no number is dropped whole and counts as one bad reply,
 * and a number beyond 32 bits is bad. */
static enum ReplyKind nextReply(int32_t *number) {
    const int64_t beyond = (int64_t)INT32_MAX + 2;
    int64_t magnitude = 0;
    int negative;
    while (isSpace(peekByte())) {
        takeByte();
    }
    if (peekByte() == END_OF_INPUT) {
        return ReplyEnd;
    }
    negative = peekByte() == '-';
    if (negative || peekByte() == '+') {
        takeByte();
    }
    if (!isDigit(peekByte())) {
        int c;
        while ((c = peekByte()) != END_OF_INPUT) {
            takeByte();
            if (c == '\n') {
                break;
            }
        }
        return ReplyInvalid;
    }
    while (isDigit(peekByte())) {
        magnitude = magnitude * 10 + (peekByte() - '0');
        magnitude = magnitude < beyond ? magnitude : beyond;
        takeByte();
    }
    magnitude = negative ? -magnitude : magnitude;
    if (magnitude < INT32_MIN || magnitude > INT32_MAX) {
        return ReplyInvalid;
    }
    *number = (int32_t)magnitude;
    return ReplyNumber;
}

static int writeAll(const unsigned char *bytes, size_t length) {
    while (length > 0) {
        const ssize_t written = write(STDOUT_FILENO, bytes, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return 0;
        }
        bytes += written;
        length -= (size_t)written;
    }
    return 1;
}

/* The score scene: the screen with the score spliced in, put together in one buffer. */
static int writeWithScore(const struct ReferenceScene *scene, size_t skip, int32_t score) {
    static unsigned char screen[16384];
    const unsigned char *bytes = SCREEN_BYTES + scene->offset + skip;
    const size_t before = (size_t)scene->scoreAt + COMPLAINT_LENGTH - skip;
    const size_t after = scene->length - skip - before;
    unsigned char digits[12];
    size_t count = 0;
    do {
        digits[sizeof digits - ++count] = (unsigned char)('0' + score % 10);
        score /= 10;
    } while (score > 0);
    memcpy(screen, bytes, before);
    memcpy(screen + before, digits + sizeof digits - count, count);
    memcpy(screen + before + count, bytes + before, after);
    return writeAll(screen, before + count + after);
}

int main(void) {
    unsigned char counted[SCENE_COUNT + 1];
    int32_t current = 1;
    int32_t score = 0;
    int complain = 0;
    while (current <= END_THRESHOLD && current <= SCENE_COUNT) {
        const struct ReferenceScene *scene = &SCENES[current];
        const size_t skip = complain ? 0 : COMPLAINT_LENGTH;
        int32_t choice = 0;
        enum ReplyKind reply;
        int written;
        if (current == 1) {
            score = 0;
            memset(counted, 0, sizeof counted);
        }
        if (scene->awardsPoint && !counted[current]) {
            counted[current] = 1;
            ++score;
        }
        written = scene->scoreAt < 0 ? writeAll(SCREEN_BYTES + scene->offset + skip, scene->length - skip)
                                     : writeWithScore(scene, skip, score);
        if (!written) {
            return 1;
        }
        reply = nextReply(&choice);
        if (reply == ReplyEnd) {
            break;
        }
        complain = reply != ReplyNumber || choice < 1 || choice > 3;
        if (!complain) {
            current = scene->targets[choice - 1];
        }
    }
    return writeAll(FAREWELL, FAREWELL_LENGTH) ? 0 : 1;
}
