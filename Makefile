# make test: installs what is missing, builds everything and runs every test.
# make run [ARGS='file']: builds the player and starts it under Wine with ARGS as its command line.
# make bench: builds and runs the benchmarks.
# make dist: builds the programs and lays out the installation folder build/win32/dist.
.PHONY: test run bench dist

test:
	@scripts/bootstrap
	cmake --preset host >/dev/null
	cmake --build --preset host
	ctest --preset host
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan --target unit_tests
	ctest --preset tsan -R unit_threads
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
	cmake --build --preset host --target bench_playlist bench_file_box
	cmake --preset win32 >/dev/null
	cmake --build --preset win32
	bench/run-all
