# make test: installs what is missing, builds everything and runs every test.
# make run [ARGS='file']: builds the player and starts it under Wine with ARGS as its command line.
# make bench: builds and runs the benchmarks.
# make fuzz [FUZZ_SECONDS=300]: builds the fuzz targets and runs each for FUZZ_SECONDS.
# make dist: builds the programs and lays out the installation folder build/win32/dist.
.PHONY: test run bench fuzz dist

FUZZ_SECONDS ?= 300

test:
	@scripts/bootstrap
	cmake --preset host >/dev/null
	cmake --build --preset host
	ctest --preset host
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan --target unit_tests
	ctest --preset tsan -R unit_threads
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	tests/fuzz/run-fuzzers build/fuzz 10
	cmake --preset win32 >/dev/null
	cmake --build --preset win32
	scripts/wine-session build/win32 ctest --preset win32

run:
	@scripts/bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 --target MIDI_Tunora
	scripts/wine-session build/win32 scripts/run-player build/win32/MIDI_Tunora.exe $(ARGS)

dist:
	@scripts/bootstrap
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 --target dist

bench:
	@scripts/bootstrap
	cmake --preset host >/dev/null
	cmake --build --preset host --target bench_playlist bench_file_box bench_list_file
	cmake --preset win32 >/dev/null
	cmake --build --preset win32
	bench/run-all

fuzz:
	@scripts/bootstrap
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	tests/fuzz/run-fuzzers build/fuzz $(FUZZ_SECONDS)
