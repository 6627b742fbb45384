/* The floor under any process: one that loads nothing and ends. bench/convert_time.py takes it
   from srec_cat's times, as it takes the Qt Core floor from tavelin-cli's. */
int main(void) { return 0; }
