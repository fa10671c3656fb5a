/* The floor a listing command is measured against: a plain C program, linked against nothing but
 * the C library, that reads what listing both banks needs (every sound's sound.script and every
 * model's MName of a database) and prints how many bytes it read. */
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

static long readAll(const char* path) {
  char buffer[65536];
  long total = 0;
  int fd = open(path, O_RDONLY);
  if (fd < 0) return 0;
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
    total += got;
  close(fd);
  return total;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: read_floor DATABASE\n");
    return 2;
  }
  char path[4096];
  long total = 0;
  for (int slot = 0; slot < 1000; ++slot) {
    snprintf(path, sizeof path, "%s/Sounds/%03d.sound/sound.script", argv[1], slot);
    total += readAll(path);
    snprintf(path, sizeof path, "%s/Models/%03d.model/MName", argv[1], slot);
    total += readAll(path);
  }
  printf("%ld\n", total);
  return 0;
}
