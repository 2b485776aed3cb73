// The cutting application of the sweep: started on a cut file and gone at once, so that a run
// leaves no process behind holding files; the sweep reads the cut file itself.
int main() {
  return 0;
}
