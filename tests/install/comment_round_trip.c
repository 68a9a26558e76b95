/* A program of someone else's built against the installed libcorvane: writes the comment given on its command
 * line into a picture, reads it back and prints it. Exits 0 only when the comment read equals the one written. */
#include <corvane.h>

#include <stdio.h>
#include <string.h>

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s PICTURE TEXT\n", argv[0]);
        return 2;
    }
    char* path = argv[1];
    char* text = argv[2];
    int32_t status = DisplayStringByRef(&text, (int32_t)strlen(text), &path);
    if (status != CORVANE_OK) {
        fprintf(stderr, "writing the comment: %s\n", corvane_strerror(status));
        return 1;
    }
    char comment[256];
    status = FillString(comment, (int32_t)sizeof comment, &path);
    if (status < 0) {
        fprintf(stderr, "reading the comment: %s\n", corvane_strerror(status));
        return 1;
    }
    puts(comment);
    return strcmp(comment, text) == 0 ? 0 : 1;
}
