/* The floor for netquill-cli aggregate: the least a program must do to print
 * the same blocks for a list of IPv4 prefixes, one a line (a.b.c.d/len or
 * a.b.c.d, nothing else): map the file, read each line in one forward pass,
 * radix-sort the ranges, merge them, and print the fewest covering blocks.
 * A benchmark only, built by bench/peers.sh in a temporary folder.
 *     aggregate FILE */
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

typedef struct {
    uint32_t first, last;
} range;

static void radix_sort(range *ranges, range *scratch, size_t n)
{
    for (int shift = 0; shift < 32; shift += 11) {
        size_t count[2048] = {0};
        for (size_t k = 0; k < n; ++k)
            ++count[(ranges[k].first >> shift) & 2047];
        size_t start = 0;
        for (int d = 0; d < 2048; ++d) {
            size_t c = count[d];
            count[d] = start;
            start += c;
        }
        for (size_t k = 0; k < n; ++k)
            scratch[count[(ranges[k].first >> shift) & 2047]++] = ranges[k];
        range *t = ranges;
        ranges = scratch;
        scratch = t;
    }
    /* three passes: the sorted ranges are in scratch's first buffer */
    memcpy(scratch, ranges, n * sizeof(range));
}

static char *put_address(char *out, uint32_t a)
{
    for (int k = 3; k >= 0; --k) {
        unsigned o = (a >> (8 * k)) & 255;
        if (o >= 100)
            *out++ = (char)('0' + o / 100);
        if (o >= 10)
            *out++ = (char)('0' + o / 10 % 10);
        *out++ = (char)('0' + o % 10);
        if (k)
            *out++ = '.';
    }
    return out;
}

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    int fd = open(argv[1], O_RDONLY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0)
        return 2;
    size_t size = (size_t)st.st_size;
    const char *text = mmap(NULL, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (text == MAP_FAILED)
        return 2;
    size_t most = size / 8 + 1;
    range *ranges = malloc(most * sizeof(range)), *scratch = malloc(most * sizeof(range));
    size_t n = 0;
    const char *p = text, *end = text + size;
    /* The digits of a number, up to its first other byte: the line end stops
     * the last one, and a file that ends without one is read to its end. */
#define NUMBER(into)                                                            \
    do {                                                                        \
        unsigned d_, v_ = 0;                                                    \
        while (p < end && (d_ = (unsigned)(unsigned char)*p - '0') <= 9) {      \
            v_ = v_ * 10 + d_;                                                  \
            ++p;                                                                \
        }                                                                       \
        into = v_;                                                              \
    } while (0)
    while (p < end) {
        unsigned o1, o2, o3, o4, bits = 32;
        NUMBER(o1);
        ++p;
        NUMBER(o2);
        ++p;
        NUMBER(o3);
        ++p;
        NUMBER(o4);
        if (p < end && *p == '/') {
            ++p;
            NUMBER(bits);
        }
        ++p;
        uint32_t a = o1 << 24 | o2 << 16 | o3 << 8 | o4;
        uint32_t host = bits == 0 ? 0xFFFFFFFFu : (uint32_t)((1ull << (32 - bits)) - 1);
        ranges[n].first = a & ~host;
        ranges[n].last = a | host;
        ++n;
    }
    radix_sort(ranges, scratch, n);
    ranges = scratch;
    size_t merged = 0;
    for (size_t k = 0; k < n; ++k) {
        if (merged > 0 && (uint64_t)ranges[k].first <= (uint64_t)ranges[merged - 1].last + 1) {
            if (ranges[k].last > ranges[merged - 1].last)
                ranges[merged - 1].last = ranges[k].last;
        } else {
            ranges[merged++] = ranges[k];
        }
    }
    static char out[1 << 16];
    size_t used = 0;
    for (size_t k = 0; k < merged; ++k) {
        uint64_t first = ranges[k].first, last = ranges[k].last;
        while (first <= last) {
            int size_bits = first == 0 ? 32 : __builtin_ctz((uint32_t)first);
            while (size_bits > 0 && first + ((1ull << size_bits) - 1) > last)
                --size_bits;
            char *o = put_address(out + used, (uint32_t)first);
            *o++ = '/';
            int len = 32 - size_bits;
            if (len >= 10)
                *o++ = (char)('0' + len / 10);
            *o++ = (char)('0' + len % 10);
            *o++ = '\n';
            used = (size_t)(o - out);
            if (used > sizeof out - 64) {
                fwrite(out, 1, used, stdout);
                used = 0;
            }
            first += 1ull << size_bits;
        }
    }
    fwrite(out, 1, used, stdout);
    return 0;
}
