add_test(NAME run_bench_fails_with_a_benchmark
         COMMAND sh ${VZ_DIR}/run_bench_test.sh ${CMAKE_SOURCE_DIR}/scripts/run-bench)
set_tests_properties(run_bench_fails_with_a_benchmark PROPERTIES LABELS unit)
