/* The floor for netquill-cli grep -f: the least a program must do to print
 * the same lines of the benchmark's log (bench/greplog.py): map the log, jump
 * from one '.' or ':' to the next sixteen bytes at a time (SSE2), take the
 * run of address characters around it as a token when it stands apart, read
 * it as an IPv4 or IPv6 address, and binary-search the merged patterns.
 * Patterns are blocks, one a line. A benchmark only, built by bench/peers.sh
 * in a temporary folder.
 *     grep PATTERNS LOG */
#include <emmintrin.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>

typedef unsigned __int128 u128;
typedef struct { uint32_t first, last; } range4;
typedef struct { u128 first, last; } range6;

static unsigned char kind[256]; /* 1: hex digit, '.' or ':'; 2: other letters and '_'; 0: a boundary */

static const char *map(const char *name, size_t *size)
{
    int fd = open(name, O_RDONLY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0)
        exit(2);
    *size = (size_t)st.st_size;
    const char *text = mmap(NULL, *size + 1, PROT_READ, MAP_PRIVATE, fd, 0);
    if (text == MAP_FAILED)
        exit(2);
    return text;
}

static int hexval(int c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

static int read4(const char *p, size_t n, uint32_t *out)
{
    uint32_t a = 0;
    size_t at = 0;
    for (int k = 0; k < 4; ++k) {
        if (k && (at >= n || p[at++] != '.'))
            return 0;
        unsigned v = 0, digits = 0;
        while (at < n && p[at] >= '0' && p[at] <= '9') {
            if (digits == 1 && v == 0)
                return 0;
            v = v * 10 + (unsigned)(p[at++] - '0');
            if (++digits > 3)
                return 0;
        }
        if (!digits || v > 255)
            return 0;
        a = a << 8 | v;
    }
    if (at != n)
        return 0;
    *out = a;
    return 1;
}

static int read6(const char *p, size_t n, u128 *out)
{
    uint16_t g[8];
    int count = 0, gap = -1;
    size_t at = 0;
    if (n >= 2 && p[0] == ':' && p[1] == ':') {
        gap = 0;
        at = 2;
    }
    while (at < n) {
        unsigned v = 0;
        size_t start = at;
        int d;
        while (at < n && at - start < 5 && (d = hexval((unsigned char)p[at])) >= 0) {
            v = v * 16 + (unsigned)d;
            ++at;
        }
        if (at == start || at - start > 4 || count == 8)
            return 0;
        g[count++] = (uint16_t)v;
        if (at == n)
            break;
        if (p[at] != ':' || at + 1 == n)
            return 0;
        ++at;
        if (p[at] == ':') {
            if (gap >= 0)
                return 0;
            gap = count;
            ++at;
        }
    }
    if (gap < 0 ? count != 8 : count > 7)
        return 0;
    u128 a = 0;
    for (int k = 0; k < count; ++k) {
        int place = gap < 0 || k < gap ? k : k + 8 - count;
        a |= (u128)g[k] << (112 - 16 * place);
    }
    *out = a;
    return 1;
}

static int by_first4(const void *a, const void *b)
{
    uint32_t x = ((const range4 *)a)->first, y = ((const range4 *)b)->first;
    return x < y ? -1 : x > y;
}
static int by_first6(const void *a, const void *b)
{
    u128 x = ((const range6 *)a)->first, y = ((const range6 *)b)->first;
    return x < y ? -1 : x > y;
}

static range4 *r4;
static range6 *r6;
static size_t n4, n6;

static int holds4(uint32_t a)
{
    size_t lo = 0, hi = n4;
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (r4[mid].last < a)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < n4 && r4[lo].first <= a;
}
static int holds6(u128 a)
{
    size_t lo = 0, hi = n6;
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (r6[mid].last < a)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < n6 && r6[lo].first <= a;
}

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    for (int c = 0; c < 256; ++c)
        kind[c] = hexval(c) >= 0 || c == '.' || c == ':' ? 1 : (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ? 2 : 0;
    size_t psize;
    const char *pt = map(argv[1], &psize);
    r4 = malloc(sizeof *r4 * (psize / 8 + 1));
    r6 = malloc(sizeof *r6 * (psize / 8 + 1));
    for (const char *line = pt, *pend = pt + psize; line < pend;) {
        const char *nl = memchr(line, '\n', (size_t)(pend - line));
        if (!nl)
            nl = pend;
        const char *slash = memchr(line, '/', (size_t)(nl - line));
        unsigned bits = (unsigned)atoi(slash + 1);
        uint32_t a4;
        u128 a6;
        if (read4(line, (size_t)(slash - line), &a4)) {
            uint32_t host = bits == 0 ? 0xFFFFFFFFu : (uint32_t)((1ull << (32 - bits)) - 1);
            r4[n4].first = a4 & ~host;
            r4[n4++].last = a4 | host;
        } else if (read6(line, (size_t)(slash - line), &a6)) {
            u128 host = bits == 0 ? ~(u128)0 : (((u128)1 << (128 - bits)) - 1);
            r6[n6].first = a6 & ~host;
            r6[n6++].last = a6 | host;
        }
        line = nl + 1;
    }
    qsort(r4, n4, sizeof *r4, by_first4);
    qsort(r6, n6, sizeof *r6, by_first6);
    size_t m = 0;
    for (size_t k = 0; k < n4; ++k)
        if (m && (uint64_t)r4[k].first <= (uint64_t)r4[m - 1].last + 1) {
            if (r4[k].last > r4[m - 1].last)
                r4[m - 1].last = r4[k].last;
        } else
            r4[m++] = r4[k];
    n4 = m;
    m = 0;
    for (size_t k = 0; k < n6; ++k)
        if (m && r6[k].first <= r6[m - 1].last + 1 && r6[m - 1].last != ~(u128)0) {
            if (r6[k].last > r6[m - 1].last)
                r6[m - 1].last = r6[k].last;
        } else
            r6[m++] = r6[k];
    n6 = m;

    size_t size;
    const char *text = map(argv[2], &size);
    static char out[1 << 16];
    size_t used = 0;
    const __m128i dot = _mm_set1_epi8('.'), colon = _mm_set1_epi8(':');
    for (const char *line = text, *end = text + size; line < end;) {
        const char *nl = memchr(line, '\n', (size_t)(end - line));
        if (!nl)
            nl = end;
        size_t n = (size_t)(nl - line), at = 0;
        int matched = 0;
        while (!matched && at < n) {
            /* the next '.' or ':' */
            while (at + 16 <= n) {
                int marks = _mm_movemask_epi8(_mm_or_si128(
                    _mm_cmpeq_epi8(_mm_loadu_si128((const __m128i *)(line + at)), dot),
                    _mm_cmpeq_epi8(_mm_loadu_si128((const __m128i *)(line + at)), colon)));
                if (marks) {
                    at += (size_t)__builtin_ctz((unsigned)marks);
                    goto found;
                }
                at += 16;
            }
            while (at < n && line[at] != '.' && line[at] != ':')
                ++at;
            if (at == n)
                break;
        found:;
            size_t s = at, e = at;
            while (s > 0 && kind[(unsigned char)line[s - 1]] == 1)
                --s;
            int colons = 0;
            while (e < n && kind[(unsigned char)line[e]] == 1)
                colons += line[e++] == ':';
            at = e;
            if ((s > 0 && kind[(unsigned char)line[s - 1]] != 0) || (e < n && kind[(unsigned char)line[e]] != 0))
                continue;
            uint32_t a4;
            u128 a6;
            if (colons == 0)
                matched = read4(line + s, e - s, &a4) && holds4(a4);
            else
                matched = colons >= 2 && read6(line + s, e - s, &a6) && holds6(a6);
        }
        if (matched) {
            if (used + n + 1 > sizeof out) {
                fwrite(out, 1, used, stdout);
                used = 0;
            }
            if (n + 1 > sizeof out) {
                fwrite(line, 1, n + 1, stdout);
            } else {
                memcpy(out + used, line, n);
                out[used + n] = '\n';
                used += n + 1;
            }
        }
        line = nl + 1;
    }
    fwrite(out, 1, used, stdout);
    return 0;
}
